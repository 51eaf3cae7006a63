#include "view/grid_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <optional>

#include "gui/dialog_parts.h"
#include "model/constants.h"
#include "model/user_messages.h"

namespace rerore {

GridDialog::GridDialog(float meshWidth, float snapRadius, UserMessages& messages, QWidget* parent)
    : QDialog(parent),
      messages_(messages),
      mesh_(new QLineEdit(this)),
      snap_(new QLineEdit(this)),
      meshWidth_(meshWidth),
      snapRadius_(snapRadius) {
  setWindowTitle("Meshwidth of the Grid");
  mesh_->setObjectName("meshWidth");
  snap_->setObjectName("snapRadius");
  auto* fields = new QFormLayout;
  fields->addRow("Mesh width [m]", mesh_);
  fields->addRow("Snap radius [m]", snap_);
  mesh_->setWhatsThis(
      "<b>Mesh width [m]</b>: the distance of the grid points in metres, in x and in y.");
  snap_->setWhatsThis(
      "<b>Snap radius [m]</b>: a click closer than this to a grid point takes the grid point "
      "(metres). An element end nearby is taken before the grid.");
  auto* ok = new QPushButton("OK", this);
  auto* stop = new QPushButton("Stop", this);
  auto* standard = new QPushButton("Default", this);
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &GridDialog::accept);
  connect(stop, &QPushButton::clicked, this, &GridDialog::reject);
  connect(standard, &QPushButton::clicked, this,
          [this] { showValues(kDefaultMeshWidth, kDefaultSnapRadius); });
  auto* buttons = new QHBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(stop);
  buttons->addWidget(standard);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(fields);
  layout->addLayout(buttons);
  showValues(meshWidth, snapRadius);
  mesh_->setFocus();
  mesh_->selectAll();
}

void GridDialog::showValues(float meshWidth, float snapRadius) {
  mesh_->setText(QString::fromStdString(Format("%.2lf", double(meshWidth))));
  snap_->setText(QString::fromStdString(Format("%.2lf", double(snapRadius))));
}

// The fields are taken as they are, but a number too large for a float
// keeps the dialog open.
void GridDialog::accept() {
  const std::optional<float> mesh = FieldNumber(mesh_, messages_);
  if (!mesh) return;
  const std::optional<float> snap = FieldNumber(snap_, messages_);
  if (!snap) return;
  meshWidth_ = *mesh;
  snapRadius_ = *snap;
  QDialog::accept();
}

}  // namespace rerore
