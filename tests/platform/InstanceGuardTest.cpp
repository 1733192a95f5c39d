#include <gtest/gtest.h>

#include <QFile>
#include <QLockFile>
#include <QUuid>
#include <sys/wait.h>
#include <unistd.h>

#include "platform/QtServices.h"
#include "tests/support/QtPrinters.h"

namespace tavo::platform {
namespace {

// A name no other test uses, so that each test has its own lock.
QString freshName() { return "TavoTest-" + QUuid::createUuid().toString(QUuid::WithoutBraces); }

TEST(LockFileInstanceGuard, OnlyOneHolderAtATimeAndTheNextAfterIt) {
  const QString name = freshName();
  auto first = std::make_unique<LockFileInstanceGuard>(name);
  ASSERT_TRUE(first->acquire());
  EXPECT_TRUE(first->acquire()) << "asking again keeps the lock";
  {
    LockFileInstanceGuard second(name);
    EXPECT_FALSE(second.acquire());
    EXPECT_FALSE(second.acquire());
  }
  LockFileInstanceGuard otherProgram(freshName());
  EXPECT_TRUE(otherProgram.acquire()) << "another name is another program";
  first.reset();
  LockFileInstanceGuard next(name);
  EXPECT_TRUE(next.acquire());
}

TEST(LockFileInstanceGuard, TheLockLiesInTheSettingsFolderAndNamesTheUser) {
  LockFileInstanceGuard guard("TavoPlayer");
  const QString settings = QString::fromLocal8Bit(std::getenv("TAVO_SETTINGS_DIR"));
  EXPECT_TRUE(guard.lockPath().startsWith(settings)) << guard.lockPath().toStdString();
  EXPECT_TRUE(guard.lockPath().contains(QString::number(::getuid())));
}

TEST(LockFileInstanceGuard, ALockLeftByADeadProcessIsTakenOver) {
  // A lock file exactly as QLockFile writes it, with the number of a process that is gone.
  const QString name = freshName();
  LockFileInstanceGuard guard(name);
  const QString sample = guard.lockPath() + ".sample";
  {
    QLockFile writer(sample);
    ASSERT_TRUE(writer.tryLock(0));
    QFile file(sample);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QByteArray content = file.readAll();
    const pid_t child = ::fork();
    if (child == 0) ::_exit(0);
    ASSERT_GT(child, 0);
    ::waitpid(child, nullptr, 0);
    content.replace(0, content.indexOf('\n'), QByteArray::number(child));
    QFile stale(guard.lockPath());
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write(content);
  }
  EXPECT_TRUE(guard.acquire());
  LockFileInstanceGuard second(name);
  EXPECT_FALSE(second.acquire()) << "the taken-over lock is held";
}

}  // namespace
}  // namespace tavo::platform
