#include "app/dxf_import_dialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "gui/message_boxes.h"

namespace rerore {

namespace {

constexpr int kLayerColumn = 0;
constexpr int kSegmentColumn = 1;
constexpr int kSkippedColumn = 2;
constexpr int kSummaryWidth = 480;  // pixels; the summary wraps within them

int SkippedCount(const DrawingLayer& layer) {
  int count = 0;
  for (const auto& [entity, n] : layer.skipped) count += n;
  return count;
}

QTreeWidgetItem* LayerRow(QTreeWidget* tree, const QString& label, const std::string& name,
                          int segments, int skipped) {
  auto* row = new QTreeWidgetItem(tree);
  row->setText(kLayerColumn, label);
  row->setText(kSegmentColumn, QString::number(segments));
  row->setText(kSkippedColumn, QString::number(skipped));
  row->setTextAlignment(kSegmentColumn, Qt::AlignRight);
  row->setTextAlignment(kSkippedColumn, Qt::AlignRight);
  row->setData(kLayerColumn, Qt::UserRole, QByteArray::fromStdString(name));
  return row;
}

QTreeWidget* LayerList(const DxfDrawing& drawing, QWidget* parent) {
  auto* tree = new QTreeWidget(parent);
  tree->setRootIsDecorated(false);
  tree->setHeaderLabels({QObject::tr("Layer"), QObject::tr("Segments"), QObject::tr("Other")});
  int skipped = 0;
  for (const DrawingLayer& layer : drawing.layers) skipped += SkippedCount(layer);
  tree->setCurrentItem(LayerRow(tree, QString(kAllLayers) + " " + QObject::tr("(all layers)"), "",
                                static_cast<int>(drawing.segments.size()), skipped));
  for (const DrawingLayer& layer : drawing.layers) {
    const QString name =
        drawing.textIsUtf8 ? QString::fromStdString(layer.name) : FromAnsi(layer.name);
    LayerRow(tree, name, layer.name, layer.segments, SkippedCount(layer));
  }
  tree->header()->setSectionResizeMode(kLayerColumn, QHeaderView::Stretch);
  tree->setWhatsThis(
      QObject::tr("<b>Layer</b>: the layer whose lines become the elements, with the number of its "
                  "straight lines and polyline segments and of what the import leaves aside (arcs, "
                  "circles, texts, hatches, blocks). * takes every layer."));
  return tree;
}

}  // namespace

DxfImportDialog::DxfImportDialog(const DxfDrawing& drawing, const QString& fileName,
                                 Session& session, UserMessages& messages, QWidget* parent)
    : QDialog(parent), drawing_(drawing), session_(session), messages_(messages) {
  setWindowTitle(tr("Import DXF"));
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(new QLabel(fileName, this));
  layers_ = LayerList(drawing, this);
  layout->addWidget(layers_);
  auto* form = new QFormLayout;
  unit_ = new QComboBox(this);
  for (DrawingUnit u : {DrawingUnit::Metre, DrawingUnit::Centimetre, DrawingUnit::Millimetre})
    unit_->addItem(DrawingUnitName(u), static_cast<int>(u));
  if (drawing.unit) {
    unit_->setCurrentIndex(unit_->findData(static_cast<int>(*drawing.unit)));
    unit_->setEnabled(false);  // the drawing says which
  }
  unit_->setWhatsThis(
      tr("<b>Unit</b>: the unit of the drawing's coordinates. A drawing that names its unit "
         "(mm, cm or m) is read in it."));
  form->addRow(tr("&Unit:"), unit_);
  layout->addLayout(form);
  moveToOrigin_ = new QCheckBox(tr("&Move the lower-left corner to the origin"), this);
  moveToOrigin_->setChecked(true);
  moveToOrigin_->setWhatsThis(
      tr("<b>Origin</b>: the lowest left point of the lines becomes x = 0, y = 0; without it the "
         "coordinates stay as drawn."));
  layout->addWidget(moveToOrigin_);
  summary_ = new QLabel(this);
  summary_->setWordWrap(true);
  summary_->setMinimumWidth(kSummaryWidth);
  layout->addWidget(summary_);
  layout->addWidget(new QLabel(tr("The import replaces the frame: its elements, nodes and "
                                  "supports. Append adds the drawing's elements to it."),
                               this));
  auto* buttons = new QDialogButtonBox(this);
  QPushButton* replace = buttons->addButton(tr("&Replace"), QDialogButtonBox::AcceptRole);
  QPushButton* append = buttons->addButton(tr("&Append"), QDialogButtonBox::ActionRole);
  buttons->addButton(tr("&Stop"), QDialogButtonBox::RejectRole);
  replace->setDefault(true);
  layout->addWidget(buttons);
  connect(replace, &QPushButton::clicked, this, [this] { import(ImportMode::Replace); });
  connect(append, &QPushButton::clicked, this, [this] { import(ImportMode::Append); });
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(layers_, &QTreeWidget::currentItemChanged, this, &DxfImportDialog::showPlan);
  connect(unit_, &QComboBox::currentIndexChanged, this, &DxfImportDialog::showPlan);
  connect(moveToOrigin_, &QCheckBox::toggled, this, &DxfImportDialog::showPlan);
  showPlan();
}

DxfImportOptions DxfImportDialog::options() const {
  DxfImportOptions options;
  if (const QTreeWidgetItem* row = layers_->currentItem())
    options.layer = row->data(kLayerColumn, Qt::UserRole).toByteArray().toStdString();
  options.unit = static_cast<DrawingUnit>(unit_->currentData().toInt());
  options.moveToOrigin = moveToOrigin_->isChecked();
  return options;
}

void DxfImportDialog::import(ImportMode mode) {
  const DxfImportPlan plan = PlanDxfImport(drawing_, options(), mode, session_.model);
  if (ImportDxfFrame(session_, messages_, plan, mode)) accept();
}

void DxfImportDialog::showPlan() {
  const DxfImportPlan plan =
      PlanDxfImport(drawing_, options(), ImportMode::Replace, session_.model);
  summary_->setText(FromAnsi(plan.refusal.empty() ? ImportSummary(plan) : plan.refusal));
}

}  // namespace rerore
