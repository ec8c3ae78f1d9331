#include "pip_layout.h"

namespace artgen {

std::vector<PipPlace> PipPlaces(int rank) {
    constexpr PipColumn L = PipColumn::Left;
    constexpr PipColumn M = PipColumn::Middle;
    constexpr PipColumn R = PipColumn::Right;
    const std::vector<PipPlace> corners = {{L, 0.0, true}, {R, 0.0, true}};
    const std::vector<PipPlace> sides = {{L, 0.5, false}, {R, 0.5, false}};
    const std::vector<PipPlace> thirds = {{L, 1.0 / 3, true}, {R, 1.0 / 3, true}};
    const PipPlace centre = {M, 0.5, false};

    auto join = [](std::vector<PipPlace> places, const std::vector<PipPlace>& more) {
        places.insert(places.end(), more.begin(), more.end());
        return places;
    };
    switch (rank) {
        case 2:
            return {{M, 0.0, true}};
        case 3:
            return {{M, 0.0, true}, centre};
        case 4:
            return corners;
        case 5:
            return join(corners, {centre});
        case 6:
            return join(corners, sides);
        case 7:
            return join(join(corners, sides), {{M, 0.25, false}});
        case 8:
            return join(join(corners, sides), {{M, 0.25, true}});
        case 9:
            return join(join(corners, thirds), {centre});
        case 10:
            // Low enough to stay out of the strip a covered card shows in a column.
            return join(join(corners, thirds), {{M, 0.2, true}});
        default:
            return {};
    }
}

}  // namespace artgen
