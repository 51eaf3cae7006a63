#include "gui/c_locale.h"

#include <clocale>

namespace rerore {

void UseCLocaleForNumbers() {
  std::setlocale(LC_NUMERIC, "C");
  std::setlocale(LC_TIME, "C");
}

}  // namespace rerore
