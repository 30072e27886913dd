#include "program_services.h"

#include "child_windows.h"
#include "engine_ratings.h"
#include "mobile_selection.h"
#include "preview_window.h"
#include "rating_object.h"
#include "water_selection.h"

namespace quellmar::shell {

void RegisterProgramServices() {
    AirRatingMaker() = MakeEngineAirRating;
    MobileRatingMaker() = MakeEngineMobileRating;
    WaterRatingMaker() = MakeEngineWaterRating;
    ChildWindows().waterSelection = [] { return new frmWaterSelection; };
    ChildWindows().mobileSelection = [] { return new frmMobileSelection; };
}

void RegisterPreviewWindow() {
    ChildWindows().preview = [] { return new printing::frmPreview; };
}

}  // namespace quellmar::shell
