// A dialog of labelled fields above OK and Stop: the arc and the parabola
// generators are asked this way.
#pragma once

#include <QDialog>
#include <functional>
#include <string>
#include <vector>

class QLineEdit;

namespace rerore {

// Labelled fields above OK and Stop.
class FieldsDialog : public QDialog {
  Q_OBJECT
 public:
  FieldsDialog(const QString& title, const std::vector<QString>& labels, QWidget* parent);
  QLineEdit* field(int index) const { return fields_[static_cast<size_t>(index)]; }
  std::string text(int index) const;
  // Runs on OK with the fields as typed; the dialog closes only when it
  // returns true, so that a refused input can be corrected in place.
  void setOkAction(std::function<bool()> action) { okAction_ = std::move(action); }

 public slots:
  void accept() override;

 private:
  std::vector<QLineEdit*> fields_;
  std::function<bool()> okAction_;
};

}  // namespace rerore
