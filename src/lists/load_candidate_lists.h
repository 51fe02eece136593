#pragma once

// Clears the four counts and, when the list file beside the executable exists, fills the lists and
// SoundFolder from it. A missing list file is no failure. I/O failures raise EInOutError.
void LoadCandidateLists();
