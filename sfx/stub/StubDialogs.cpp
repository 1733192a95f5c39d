#include "sfx/stub/StubDialogs.h"

#include <QCoreApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/TextEncoding.h"

namespace tavo::sfx {

namespace {

QString fileText(const std::string& bytes) { return QString::fromStdString(fileTextToUtf8(bytes)); }

}  // namespace

StubUi::StubUi() : caption_(QStringLiteral("Self-Extractor")) {}
StubUi::~StubUi() = default;

void StubUi::setCaption(const std::string& caption) {
  if (!caption.empty()) caption_ = fileText(caption);
}

bool StubUi::showMessage(const std::string& title, const std::string& message) {
  QMessageBox box(QMessageBox::Information, title.empty() ? caption_ : fileText(title), fileText(message),
                  QMessageBox::Ok | QMessageBox::Cancel);
  box.setDefaultButton(QMessageBox::Ok);
  return box.exec() == QMessageBox::Ok;
}

std::optional<std::string> StubUi::askFolder(const std::string& proposed) {
  QDialog dialog;
  dialog.setWindowTitle(caption_);
  auto* label = new QLabel(QStringLiteral("Extract the files to this folder:"));
  auto* edit = new QLineEdit(QString::fromStdString(proposed));
  edit->setMinimumWidth(380);
  auto* browse = new QPushButton(QStringLiteral("Browse..."));
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
    const QString chosen = QFileDialog::getExistingDirectory(&dialog, QStringLiteral("Select the folder to extract to"),
                                                             edit->text());
    if (!chosen.isEmpty()) edit->setText(QDir::toNativeSeparators(chosen));
  });
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Extract"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* row = new QHBoxLayout;
  row->addWidget(edit);
  row->addWidget(browse);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(label);
  layout->addLayout(row);
  layout->addWidget(buttons);
  for (;;) {
    edit->setFocus();
    edit->selectAll();
    if (dialog.exec() != QDialog::Accepted) return std::nullopt;
    const QString text = edit->text().trimmed();
    if (!text.isEmpty() && QDir::isAbsolutePath(QDir::fromNativeSeparators(text)))
      return QDir::cleanPath(QDir::fromNativeSeparators(text)).toStdString();
    warning(QStringLiteral("Please give the full path of a folder."));
  }
}

std::optional<std::string> StubUi::askPassword() {
  bool ok = false;
  const QString typed = QInputDialog::getText(nullptr, caption_, QStringLiteral("These files are protected. Password:"),
                                              QLineEdit::Password, QString(), &ok);
  if (!ok) return std::nullopt;
  return typed.toStdString();
}

OverwriteAnswer StubUi::askOverwrite(const std::string& path) {
  const auto answer = QMessageBox::question(
      nullptr, caption_, QStringLiteral("%1 already exists. Do you want to replace it?").arg(QString::fromStdString(path)),
      QMessageBox::Yes | QMessageBox::No | QMessageBox::YesToAll | QMessageBox::NoToAll, QMessageBox::Yes);
  switch (answer) {
    case QMessageBox::No: return OverwriteAnswer::No;
    case QMessageBox::YesToAll: return OverwriteAnswer::YesToAll;
    case QMessageBox::NoToAll: return OverwriteAnswer::NoToAll;
    default: return OverwriteAnswer::Yes;
  }
}

bool StubUi::askStart(const std::string& program) {
  return QMessageBox::question(nullptr, caption_,
                               QStringLiteral("Start %1 now?").arg(QString::fromStdString(program)),
                               QMessageBox::Yes | QMessageBox::No, QMessageBox::Yes) == QMessageBox::Yes;
}

std::function<bool(std::uint64_t, std::uint64_t)> StubUi::progressFunction(const std::string& folder) {
  progress_ = std::make_unique<QProgressDialog>(
      QStringLiteral("Extracting to %1").arg(QString::fromStdString(folder)), QStringLiteral("Cancel"), 0, 100);
  progress_->setWindowTitle(caption_);
  progress_->setMinimumDuration(300);
  progress_->setAutoClose(false);
  progress_->setAutoReset(false);
  return [this, last = -1](std::uint64_t done, std::uint64_t total) mutable {
    const int percent = total ? static_cast<int>(done * 100 / total) : 100;
    if (percent != last) {
      last = percent;
      progress_->setValue(percent);
      QCoreApplication::processEvents();
    }
    return !progress_->wasCanceled();
  };
}

void StubUi::endProgress() { progress_.reset(); }

void StubUi::error(const QString& text) { QMessageBox::critical(nullptr, caption_, text); }
void StubUi::warning(const QString& text) { QMessageBox::warning(nullptr, caption_, text); }
void StubUi::information(const QString& text) { QMessageBox::information(nullptr, caption_, text); }

}  // namespace tavo::sfx
