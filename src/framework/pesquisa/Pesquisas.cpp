#include "framework/pesquisa/Pesquisas.h"
