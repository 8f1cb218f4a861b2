#pragma once
#include <Topo.h>
#include "Base.h"
