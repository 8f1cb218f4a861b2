#pragma once
#include <vector>
#include <Topo.h>
