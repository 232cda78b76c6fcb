#pragma once
// The right pane of the main window as plain data: the frame caption above
// the table and the table itself.

#include "core/TextGrid.h"

#include <string>

namespace miravel {

struct TablePane {
    TextGrid Grid{43, 15};
    std::string Caption;
};

} // namespace miravel
