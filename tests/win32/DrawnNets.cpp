#include "tests/win32/DrawnNets.h"

#include <map>

#include "platform/visio/VisioConstants.h"
#include "simhost/host/Host.h"
#include "simhost/stencil/PetriStencil.h"

namespace wintest {

void drawNet(simhost::Host& host, simhost::Page& page, const std::vector<NetPlace>& places,
             const std::vector<std::string>& transitions, const std::vector<NetArc>& arcs) {
    namespace stencil = simhost::stencil;
    std::map<std::string, stencil::StencilOptions> where;
    std::map<std::string, visio::ComRef<simhost::Shape>> shapes;
    auto at = [&](const std::string& name, double x, double y) -> stencil::StencilOptions& {
        stencil::StencilOptions& options = where[name];
        options.pin = {x, y};
        options.text = name;
        return options;
    };
    for (size_t i = 0; i < places.size(); ++i) {
        const NetPlace& place = places[i];
        stencil::StencilOptions& options = at(place.name, 2.0 * i, 1);
        options.markingIn = stencil::ValueIn::TextBox;
        options.marking = std::to_string(place.tokens);
        options.capacity = "-1";
        shapes[place.name] = place.stack ? stencil::dropStackPlace(page, options)
                                         : stencil::dropPlace(page, options);
    }
    for (size_t i = 0; i < transitions.size(); ++i) {
        shapes[transitions[i]] = stencil::dropTransition(page, at(transitions[i], 2.0 * i, 5));
    }
    for (const NetArc& arc : arcs) {
        stencil::StencilOptions options;
        options.begin = where[arc.from].pin;
        options.end = where[arc.to].pin;
        visio::ComRef<simhost::Shape> shape = stencil::dropArc(page, options);
        host.glueToShape(*shape, visio::visBegin, *shapes[arc.from]);
        host.glueToShape(*shape, visio::visEnd, *shapes[arc.to]);
    }
}

}  // namespace wintest
