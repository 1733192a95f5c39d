#pragma once
// Every operating-system service the programs use, in one bundle that forms
// receive. The real bundle is QtPlatform; tests use testing/TestPlatform.

#include <QString>

#include "common/Registry.h"
#include "platform/Drives.h"
#include "platform/FolderBrowser.h"
#include "platform/InstanceGuard.h"
#include "platform/Messages.h"
#include "platform/Screen.h"
#include "platform/Shell.h"
#include "platform/Shortcuts.h"
#include "platform/TFileOperation.h"

namespace tavo::platform {

struct Platform {
  Messages& messages;
  Shell& shell;
  FolderBrowser& folderBrowser;
  Screen& screen;
  Drives& drives;
  InstanceGuard& instance;
  Shortcuts& shortcuts;
  FileOperationUi& fileOperationUi;
  RegistryRoots registry;
  // The program file's name without extension ("TavoPlayer"): the title of information boxes.
  QString applicationTitle;
  // The folder of the running program file, with a trailing separator.
  QString programFolder;
};

}  // namespace tavo::platform
