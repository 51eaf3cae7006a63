#include "gui/text_size_dialog.h"

#include <QLineEdit>
#include <optional>

#include "gui/dialog_parts.h"
#include "gui/message_boxes.h"

namespace rerore {

TextSizeDialog::TextSizeDialog(float textScale, UserMessages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), textScale_(textScale) {
  setWindowTitle(tr("Font"));
  size_ = OneFieldDialog(this, tr("Size"),
                         QString::fromLatin1(Format("%.2f", double(textScale)).c_str()));
  size_->setWhatsThis(
      tr("<b>Size</b>: a factor for the size of the texts in the drawing, 1.00 for the usual "
         "size; \"1,5\" is read as 1.5."));
}

// A comma counts as a point; the number ends where the text stops being
// one (at a second point or comma too).
void TextSizeDialog::accept() {
  const std::optional<float> scale = FieldNumber(size_, messages_);
  if (!scale) return;
  textScale_ = *scale;
  QDialog::accept();
}

}  // namespace rerore
