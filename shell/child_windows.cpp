#include "child_windows.h"

namespace quellmar::shell {

ChildWindowMakers& ChildWindows() {
    static ChildWindowMakers makers;
    return makers;
}

}  // namespace quellmar::shell
