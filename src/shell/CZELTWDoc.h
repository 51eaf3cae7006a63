// The document of the program. It holds nothing of its own: the model lives
// in the session, and positions are stored by the position commands, not by
// a document's save.
#pragma once

namespace rerore {

class CZELTWDoc {};

}  // namespace rerore
