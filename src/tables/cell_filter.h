// The character filter that an ended edit applies to a cell's text.
#pragma once

#include <QString>

namespace rerore {

// Every "," becomes "."; a character stays only when the class accepts it
// (class 0 keeps everything); with a class other than 0 the kept text is
// turned to upper case. The result is cut to the cell's capacity.
QString FilterCellText(const QString& text, int characterClass);

}  // namespace rerore
