#include "gui/echo_editor.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"
#include "model/file_io.h"

namespace rerore {

namespace {

const QSize kEchoSize(900, 700);

}  // namespace

EchoEditor::EchoEditor(const std::string& path, QWidget* parent) : QDialog(parent), path_(path) {
  setWindowTitle(FromAnsi(path));
  auto* layout = new QVBoxLayout(this);
  text_ = TextFileEditor(this, path);
  connect(text_, &QPlainTextEdit::textChanged, this, [this] { modified_ = true; });
  text_->setWhatsThis(
      tr("<b>Echo</b>: the whole input of the position as text, one section per keyword "
         "(TITLE, MATERIAL, CROSSECTIONS, ELEMENTS, NODES, SUPPORTS). Edit it and press OK: "
         "the program reads it back. Help shows the structure of the file."));
  layout->addWidget(text_);
  QHBoxLayout* row = OkStopRow(this);
  auto* help = new QPushButton(tr("Help"), this);
  connect(help, &QPushButton::clicked, this, &EchoEditor::helpRequested);
  row->addWidget(help);
  layout->addLayout(row);
  UseButtonFont(this);
  resize(kEchoSize);
}

void EchoEditor::accept() {
  if (modified_ && !WriteFileAtomically(path_, EditedTextForFile(text_->toPlainText()))) return;
  QDialog::accept();
}

}  // namespace rerore
