// The toolkit reads its options from preference files on first use, and in
// doing so creates them (and their folders) when they are missing. The program
// keeps nothing between runs, so the runtime makes that first read happen at
// start-up and removes at once whatever it created. The read also rewrites a
// file that was already there; the runtime puts back its bytes and time.
#pragma once

namespace rt {

void settle_toolkit_preferences();

}  // namespace rt
