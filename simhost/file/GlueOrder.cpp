#include "simhost/file/GlueOrder.h"

#include <functional>
#include <map>
#include <queue>
#include <tuple>
#include <utility>

#include "simhost/host/Connect.h"
#include "simhost/host/Connects.h"
#include "simhost/host/Page.h"
#include "simhost/host/Shape.h"

namespace simhost {
namespace {

using Key = std::tuple<int32_t, int16_t, size_t>;

Key keyOf(const Connect& record, size_t index) {
    return {record.from()->id(), record.fromPart(), index};
}

}  // namespace

std::vector<Connect*> GlueOrder::of(const Page& page) {
    std::vector<Connect*> records;
    std::map<const Connect*, size_t> indexOf;
    std::vector<Shape*> shapes = page.allShapes();
    for (Shape* shape : shapes) {
        for (const auto& record : shape->connects().list()) {
            indexOf[record.get()] = records.size();
            records.push_back(record.get());
        }
    }
    // Each list says which of two records came first.
    std::vector<std::vector<size_t>> after(records.size());
    std::vector<size_t> waitingFor(records.size(), 0);
    auto chain = [&](const Connects& list) {
        for (size_t i = 1; i < list.list().size(); ++i) {
            auto earlier = indexOf.find(list.list()[i - 1].get());
            auto later = indexOf.find(list.list()[i].get());
            if (earlier == indexOf.end() || later == indexOf.end()) continue;
            after[earlier->second].push_back(later->second);
            ++waitingFor[later->second];
        }
    };
    for (Shape* shape : shapes) {
        chain(shape->connects());
        chain(shape->fromConnects());
    }
    std::priority_queue<Key, std::vector<Key>, std::greater<Key>> ready;
    for (size_t i = 0; i < records.size(); ++i)
        if (waitingFor[i] == 0) ready.push(keyOf(*records[i], i));
    std::vector<Connect*> order;
    while (!ready.empty()) {
        size_t i = std::get<2>(ready.top());
        ready.pop();
        order.push_back(records[i]);
        for (size_t next : after[i])
            if (--waitingFor[next] == 0) ready.push(keyOf(*records[next], next));
    }
    return order;
}

}  // namespace simhost
