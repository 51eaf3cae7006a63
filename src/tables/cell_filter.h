// The character filter that an ended edit applies to a cell's text.
#pragma once

#include <QString>

namespace rerore {

// Which characters a column keeps when an edit ends.
enum class CellClass {
  Any,       // everything, as typed
  Decimal,   // "0123456789-,.+"
  Exponent,  // the decimal characters, "E", "e" and the space
  Whole,     // digits only
  Concrete,  // a concrete class such as "C30/37" or "B25"
};

// Every "," becomes "."; a character stays only when the class accepts it
// (CellClass::Any keeps everything); with any other class the kept text is
// turned to upper case. The result is cut to the cell's capacity.
QString FilterCellText(const QString& text, CellClass characterClass);

}  // namespace rerore
