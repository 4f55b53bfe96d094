// The toolkit reads its options from preference files on first use, and in
// doing so creates them (and their folders) when they are missing. The program
// keeps nothing between runs, so the runtime makes that first read happen at
// start-up and removes at once whatever it created.
#pragma once

namespace rt {

void settle_toolkit_preferences();

}  // namespace rt
