#pragma once

namespace marklode {

// Whether the open file lies on a file system known to live on a fixed local disk (or in memory).
// A mapped file that vanishes underneath, as on a card pulled out or a network gone, kills the
// process with SIGBUS where a read would only fail; such files must be read.
bool isOnFixedLocalDisk(int fd);

} // namespace marklode
