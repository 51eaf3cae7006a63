// The typing helpers are inline; this unit keeps them compiled on their own.
#include "table_test_support.h"
