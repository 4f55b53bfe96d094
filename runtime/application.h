// Settings of the running application that the runtime's services share.
#pragma once

#include <string>

namespace rt {

// The title shown on every message box given no title of its own.
void set_application_title(std::u16string title);
const std::u16string& application_title();

}  // namespace rt
