#include "Topo.h"
#include "ui/Janela.h"
