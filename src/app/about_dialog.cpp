#include "app/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

namespace rerore {

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setWindowTitle("VELTRANIX ");
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel("RERORE.EXE, Version 22.53", this));
  layout->addWidget(new QLabel("Dimensions", this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  layout->addWidget(buttons);
}

}  // namespace rerore
