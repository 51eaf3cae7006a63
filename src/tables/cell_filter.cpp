#include "tables/cell_filter.h"

#include "model/constants.h"
#include "tables/table_globals.h"

namespace rerore {

namespace {

QString AcceptedCharacters(int characterClass) {
  switch (characterClass) {
    case kClassDecimal:
      return "0123456789-,.+";
    case kClassExponent:
      return "0123456789-,.+Ee ";
    case kClassWhole:
      return "0123456789";
    case kClassConcrete:
      return " 1234567890cCbB/";
    default:
      return {};
  }
}

}  // namespace

QString FilterCellText(const QString& text, int characterClass) {
  QString result = text;
  result.replace(',', '.');
  if (characterClass != kClassAny) {
    const QString accepted = AcceptedCharacters(characterClass);
    QString kept;
    for (QChar c : result)
      if (accepted.contains(c)) kept += c;
    result = kept.toUpper();
  }
  return result.left(kCellTextLimit);
}

}  // namespace rerore
