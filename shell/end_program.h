#pragma once

namespace tavrin {

// Closes every window and ends the program with exit status 0. Nothing is saved.
void EndProgram();

}  // namespace tavrin
