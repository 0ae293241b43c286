// Makes every streamable widget class known by name, so a layout can name any of them even when the program
// never mentions the class in code.
#pragma once

namespace tk {

void RegisterWidgetClasses();

} // namespace tk
