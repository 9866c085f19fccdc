#pragma once

namespace cobwen::test {

// Whether this system lets the process write a file that has the read-only attribute (Wine run by
// root does: the attribute becomes a file mode, and root's writes pass it).
bool ReadOnlyAttributeIsIgnored();

} // namespace cobwen::test
