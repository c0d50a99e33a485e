// Objects of every interface of the port that answer each member from the call itself:
// every call is written down as a line (`Get CellsU("PinX")`) and answered with values
// made from that line, the same values for the same line. A member called directly and
// the same member called through COM must so leave the same line and bring back the same
// answer. Objects are known by their labels.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <variant>
#include <vector>

#include "platform/com/ClientArguments.h"
#include "platform/visio/CountedObject.h"
#include "platform/visio/IVApplication.h"
#include "platform/visio/IVDocument.h"
#include "platform/visio/IVEvents.h"
#include "platform/visio/IVShape.h"
#include "platform/visio/IVUIObject.h"
#include "platform/visio/IVWindow.h"

namespace echo {

// The label of an object as one side sees it.
using Labeller = std::function<std::string(const visio::IVObject*)>;

class World {
public:
    // The object of the interface with that label, made the first time.
    template <class I>
    visio::ComRef<I> object(const std::string& label);
    std::string labelOf(const visio::IVObject* object) const {
        auto found = labels_.find(object);
        return !object ? "null" : found == labels_.end() ? "stranger" : found->second;
    }
    Labeller labeller() const {
        return [this](const visio::IVObject* object) { return labelOf(object); };
    }

    std::vector<std::string> lines;
    // Text carries accented letters of the ANSI code page when it has them.
    std::string accents;

private:
    std::map<std::string, visio::ObjectRef> objects_;
    std::map<const visio::IVObject*, std::string> labels_;
};

template <class T>
struct IsComRef : std::false_type {};
template <class I>
struct IsComRef<visio::ComRef<I>> : std::true_type {};

// The value of a type made from a seed.
template <class T>
T made(World& world, std::size_t seed) {
    if constexpr (std::is_same_v<T, bool>) {
        return seed & 1;
    } else if constexpr (std::is_integral_v<T>) {
        return static_cast<T>(seed * 2654435761u);
    } else if constexpr (std::is_same_v<T, double>) {
        return static_cast<double>(seed % 1000003) / 16.0 - 1000;
    } else if constexpr (std::is_same_v<T, std::string>) {
        return "text " + std::to_string(seed % 997) + " \"q\"; " + world.accents;
    } else if constexpr (std::is_same_v<T, visio::Variant>) {
        switch (seed % 5) {
            case 0:
                return std::monostate();
            case 1:
                return made<int32_t>(world, seed / 5);
            case 2:
                return made<double>(world, seed / 5);
            case 3:
                return made<std::string>(world, seed / 5);
            default:
                return visio::ObjectRef(made<visio::ComRef<visio::IVShape>>(world, seed / 5 + 1));
        }
    } else if constexpr (IsComRef<T>::value) {
        using I = std::remove_pointer_t<decltype(T().get())>;
        if constexpr (std::is_same_v<I, visio::IVObject>) {
            return visio::ObjectRef(made<visio::ComRef<visio::IVPage>>(world, seed));
        } else {
            if (seed % 4 == 0) return T();
            return world.object<I>("#" + std::to_string(static_cast<int>(I::kId)) + "." +
                                   std::to_string(seed % 3));
        }
    } else {
        T values;
        for (std::size_t i = 0; i < seed % 4; ++i) {
            values.push_back(made<typename T::value_type>(world, seed / 4 + i * 31));
        }
        return values;
    }
}

// The text of a value as the lines write it.
template <class T>
std::string describe(const T& value, const Labeller& label) {
    if constexpr (std::is_same_v<T, std::string>) {
        return "\"" + value + "\"";
    } else if constexpr (std::is_arithmetic_v<T>) {
        return std::to_string(value);
    } else if constexpr (std::is_same_v<T, visio::Variant>) {
        return std::visit(
            [&](const auto& held) -> std::string {
                using H = std::decay_t<decltype(held)>;
                if constexpr (std::is_same_v<H, std::monostate>) {
                    return "nothing";
                } else {
                    return describe(held, label);
                }
            },
            value);
    } else if constexpr (IsComRef<T>::value) {
        return label(value.get());
    } else {
        std::string text = "[";
        for (const auto& item : value) text += describe(item, label) + " ";
        return text + "]";
    }
}

// The value a parameter of type P is kept in: the value itself, or what an out-parameter
// points at.
template <class P>
using Stored = std::conditional_t<com::isOutput<P>, std::remove_pointer_t<P>, std::decay_t<P>>;

template <class P, class S>
decltype(auto) pass(S& stored) {
    if constexpr (com::isOutput<P>) {
        return &stored;
    } else {
        return static_cast<const S&>(stored);
    }
}

constexpr const char* kindName(visio::MemberKind kind) {
    return kind == visio::MemberKind::Get   ? "Get"
           : kind == visio::MemberKind::Put ? "Put"
                                            : "Method";
}

template <class I>
class Echo : public visio::CountedObject<I> {
public:
    explicit Echo(World& world) : world_(world) {}

protected:
    template <visio::MemberKind kind, class R, class... P, class... A>
    R answer(R (I::*)(P...), const char* name, std::tuple<A...> arguments) {
        std::string line = std::string(kindName(kind)) + " " + name + "(";
        std::apply([&](const auto&... given) { ((line += describeArgument<P>(given) + ","), ...); },
                   arguments);
        line += ")";
        world_.lines.push_back(line);
        std::size_t seed = std::hash<std::string>()(line);
        writeOutputs<P...>(arguments, seed, std::index_sequence_for<P...>());
        if constexpr (!std::is_void_v<R>) return made<R>(world_, seed);
    }

private:
    template <class P, class A>
    std::string describeArgument(const A& given) {
        if constexpr (com::isOutput<P>) {
            return "out";
        } else {
            return describe(given, world_.labeller());
        }
    }
    template <class... P, class Arguments, std::size_t... N>
    void writeOutputs([[maybe_unused]] Arguments& arguments, [[maybe_unused]] std::size_t seed,
                      std::index_sequence<N...>) {
        [[maybe_unused]] auto write = [&](auto target, std::size_t index) {
            if constexpr (com::isOutput<decltype(target)>) {
                if (target)
                    *target = made<std::remove_pointer_t<decltype(target)>>(world_, seed + index);
            }
        };
        (write(static_cast<P>(std::get<N>(arguments)), N + 1), ...);
    }

    World& world_;
};

template <class I>
class EchoObject;
#define QAV_ECHO_ROW(C, kind, R, name, visioName, params, args)                            \
    R name params override {                                                               \
        return this->template answer<visio::MemberKind::kind>(&C::name, visioName,         \
                                                              std::forward_as_tuple args); \
    }
#define QAV_ECHO_OBJECT(Object)                                                  \
    template <>                                                                  \
    class EchoObject<visio::IV##Object> final : public Echo<visio::IV##Object> { \
    public:                                                                      \
        using Echo::Echo;                                                        \
        QAV_VISIO_MEMBERS_##Object(QAV_ECHO_ROW, visio::IV##Object)              \
    };
QAV_VISIO_OBJECTS(QAV_ECHO_OBJECT)
#undef QAV_ECHO_OBJECT
#undef QAV_ECHO_ROW

template <class I>
visio::ComRef<I> World::object(const std::string& label) {
    std::string key = std::to_string(static_cast<int>(I::kId)) + label;
    auto found = objects_.find(key);
    if (found != objects_.end()) return visio::query<I>(found->second);
    visio::ComRef<I> made(new EchoObject<I>(*this));
    objects_[key] = visio::ObjectRef(made.get());
    labels_[made.get()] = label;
    return made;
}

}  // namespace echo
