#include "data/Tarvelsicht_Unit_Variables.h"
