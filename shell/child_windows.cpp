#include "child_windows.h"

#include "rating_object.h"

namespace quellmar::shell {

ChildWindowMakers& ChildWindows() {
    static ChildWindowMakers makers;
    return makers;
}

AirRatingFactory& AirRatingMaker() {
    static AirRatingFactory factory;
    return factory;
}

}  // namespace quellmar::shell
