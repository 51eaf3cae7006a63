#include "tables/cell_filter.h"

#include "model/constants.h"

namespace rerore {

namespace {

QString AcceptedCharacters(CellClass characterClass) {
  switch (characterClass) {
    case CellClass::Decimal:
      return "0123456789-,.+";
    case CellClass::Exponent:
      return "0123456789-,.+Ee ";
    case CellClass::Whole:
      return "0123456789";
    case CellClass::Concrete:
      return " 1234567890cCbB/";
    default:
      return {};
  }
}

}  // namespace

QString FilterCellText(const QString& text, CellClass characterClass) {
  QString result = text;
  result.replace(',', '.');
  if (characterClass != CellClass::Any) {
    const QString accepted = AcceptedCharacters(characterClass);
    QString kept;
    for (QChar c : result)
      if (accepted.contains(c)) kept += c;
    result = kept.toUpper();
  }
  return result.left(kCellTextLimit);
}

}  // namespace rerore
