// The dialogs of the arc ("Arc") and the parabola ("Parabola"): a few
// fields, OK and Stop. The input hub reads the fields after OK and runs the
// generator.
#pragma once

#include <QDialog>
#include <vector>

#include "generators/curve_generators.h"

class QLineEdit;

namespace rerore {

// Labelled fields above OK and Stop.
class FieldsDialog : public QDialog {
  Q_OBJECT
 public:
  FieldsDialog(const QString& title, const std::vector<QString>& labels, QWidget* parent);
  QLineEdit* field(int index) const { return fields_[static_cast<size_t>(index)]; }
  std::string text(int index) const;

 private:
  std::vector<QLineEdit*> fields_;
};

class CDiaBogen : public FieldsDialog {
  Q_OBJECT
 public:
  CDiaBogen(const ArcFieldTexts& shown, QWidget* parent = nullptr);
  ArcFieldTexts texts() const;
};

class DiaParabola : public FieldsDialog {
  Q_OBJECT
 public:
  DiaParabola(const ParabolaFieldTexts& shown, QWidget* parent = nullptr);
  ParabolaFieldTexts texts() const;
};

}  // namespace rerore
