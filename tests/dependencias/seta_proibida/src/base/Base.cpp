#include "Base.h"
