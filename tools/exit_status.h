#pragma once

namespace tavrin::cast {

// The caster's exit statuses.
enum ExitStatus : int {
  kDone = 0,
  kSomeRowsFailed = 1,  // a batch ran to its end, but some rows could not be cast
  kBadInput = 2,        // wrong arguments, a wrong birth, an unreadable batch, unwritable output
};

}  // namespace tavrin::cast
