#include "zadad/ResourcePath.h"

std::string ResourcePath(const char* type, unsigned id) {
    return std::string(":/") + type + "/" + std::to_string(id);
}
