// Numbers in files and texts always use the "C" conventions.
#pragma once

namespace rerore {

// Qt switches the process to the user's locale on Unix; this puts the
// number and time conventions back to "C". Called right after the
// application object is created.
void UseCLocaleForNumbers();

}  // namespace rerore
