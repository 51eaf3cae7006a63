#include "gui/echo_help_dialog.h"

#include <QCloseEvent>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"

namespace rerore {

namespace {

const QSize kStructureSize(800, 600);

}  // namespace

EchoHelpDialog::EchoHelpDialog(const std::string& path, QWidget* parent) : QDialog(parent) {
  setWindowTitle(tr("Structure of the echo-files"));
  auto* layout = new QVBoxLayout(this);
  QPlainTextEdit* text = TextFileEditor(this, path);
  text->setReadOnly(true);
  text->setWhatsThis(tr("The keywords of the echo file and the values of each row."));
  setWindowTitle(FromAnsi(path));
  layout->addWidget(text);
  auto* end = new QPushButton(tr("&Ende"), this);
  connect(end, &QPushButton::clicked, this, [this] {
    emit closed(1);
    hide();
  });
  auto* row = new QHBoxLayout;
  row->addStretch();
  row->addWidget(end);
  layout->addLayout(row);
  resize(kStructureSize);
}

void EchoHelpDialog::closeEvent(QCloseEvent* event) {
  emit closed(2);
  QDialog::closeEvent(event);
}

}  // namespace rerore
