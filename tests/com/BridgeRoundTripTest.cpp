// Every member of every table, called through the COM client and the stand-in's face,
// arrives as it was sent and answers what a direct call answers; a Visio that fails the
// call leaves the member's empty value. Rows added to the tables are tested here with no
// change.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <tuple>
#include <type_traits>

#include "platform/com/ClientObject.h"
#include "platform/com/DispatchObject.h"
#include "simhost/com/FaceBase.h"
#include "simhost/com/FaceSession.h"
#include "tests/com/EchoObjects.h"

namespace {

using echo::describe;
using echo::Stored;
using visio::MemberKind;

// An echo world with the client and the face between the test and its objects.
class Bridge {
public:
    Bridge() {
        if (GetACP() == 1252) world.accents = "\xE9\xFC\xDF";
    }

    // The object as the client sees it: a proxy of its face.
    template <class I>
    visio::ComRef<I> throughCom(const visio::ComRef<I>& object) {
        IDispatch* face = faces->faceOf(visio::ObjectRef(object.get()));
        visio::ComRef<I> proxy =
            visio::ComRef<I>::adopt(static_cast<I*>(client->proxyFor(face, I::kId)));
        if (face) face->Release();
        return proxy;
    }
    template <class T>
    T throughCom(const T& value) {
        if constexpr (std::is_same_v<T, visio::Variant>) {
            const auto* object = std::get_if<visio::ObjectRef>(&value);
            return object ? visio::Variant(throughCom(*object)) : value;
        } else {
            return value;
        }
    }
    template <class E>
    std::vector<E> throughCom(const std::vector<E>& values) {
        std::vector<E> mapped;
        for (const E& value : values) mapped.push_back(throughCom(value));
        return mapped;
    }

    // A proxy's label: that of the object its face stands for.
    echo::Labeller proxyLabeller() {
        return [this](const visio::IVObject* proxy) -> std::string {
            if (!proxy) return "null";
            IDispatch* dispatch =
                client->dispatchOf(visio::ObjectRef(const_cast<visio::IVObject*>(proxy)));
            IDispatch* face = nullptr;
            if (dispatch)
                dispatch->QueryInterface(simhost::comface::kFaceIid,
                                         reinterpret_cast<void**>(&face));
            std::string label =
                face ? world.labelOf(static_cast<simhost::comface::FaceBase*>(face)->target().get())
                     : "not a face";
            if (face) face->Release();
            if (dispatch) dispatch->Release();
            return label;
        };
    }

    echo::World world;
    std::shared_ptr<com::ClientSession> client = com::ClientSession::create();
    std::shared_ptr<simhost::comface::FaceSession> faces = simhost::comface::FaceSession::create();
    std::mt19937 random{20240601};
};

// The answer of a call as text: a put's status only as refused or not.
template <MemberKind kind, class R>
std::string answerText(const R& answer, const echo::Labeller& label) {
    if constexpr (kind == MemberKind::Put && std::is_same_v<R, int32_t>) {
        return answer != 0 ? "refused" : "taken";
    } else {
        return describe(answer, label);
    }
}

template <MemberKind kind, class I, class R, class... P, std::size_t... N>
void expectCrossesUnchanged(Bridge& bridge, I& direct, I& proxy, R (I::*member)(P...),
                            std::index_sequence<N...>) {
    [[maybe_unused]] std::tuple<Stored<P>...> sent{
        echo::made<Stored<P>>(bridge.world, bridge.random())...};
    [[maybe_unused]] std::tuple<Stored<P>...> overCom{bridge.throughCom(std::get<N>(sent))...};
    std::size_t lines = bridge.world.lines.size();
    std::string answered, answeredOverCom;
    if constexpr (std::is_void_v<R>) {
        (direct.*member)(echo::pass<P>(std::get<N>(sent))...);
        (proxy.*member)(echo::pass<P>(std::get<N>(overCom))...);
    } else {
        answered = answerText<kind>((direct.*member)(echo::pass<P>(std::get<N>(sent))...),
                                    bridge.world.labeller());
        answeredOverCom = answerText<kind>((proxy.*member)(echo::pass<P>(std::get<N>(overCom))...),
                                           bridge.proxyLabeller());
    }
    ASSERT_EQ(bridge.world.lines.size(), lines + 2) << "the call did not arrive";
    EXPECT_EQ(bridge.world.lines[lines + 1], bridge.world.lines[lines]);
    EXPECT_EQ(answeredOverCom, answered);
    std::string outputs = (describe(std::get<N>(sent), bridge.world.labeller()) + ... + "");
    std::string outputsOverCom =
        (describe(std::get<N>(overCom), bridge.proxyLabeller()) + ... + "");
    EXPECT_EQ(outputsOverCom, outputs);
}

template <class I>
void expectEveryMemberCrossesUnchanged(Bridge& bridge) {
    visio::ComRef<I> direct = bridge.world.object<I>("subject");
    visio::ComRef<I> proxy = bridge.throughCom(direct);
    ASSERT_TRUE(proxy);
    visio::forEachMember<I>([&](const auto& row) {
        SCOPED_TRACE(row.visioName);
        using Signature = visio::MemberSignature<decltype(row.member)>;
        for (int round = 0; round < 8; ++round) {
            if (row.kind == MemberKind::Get) {
                expectCrossesUnchanged<MemberKind::Get>(
                    bridge, *direct, *proxy, row.member,
                    std::make_index_sequence<std::tuple_size_v<typename Signature::Parameters>>());
            } else if (row.kind == MemberKind::Put) {
                expectCrossesUnchanged<MemberKind::Put>(
                    bridge, *direct, *proxy, row.member,
                    std::make_index_sequence<std::tuple_size_v<typename Signature::Parameters>>());
            } else {
                expectCrossesUnchanged<MemberKind::Method>(
                    bridge, *direct, *proxy, row.member,
                    std::make_index_sequence<std::tuple_size_v<typename Signature::Parameters>>());
            }
        }
    });
}

TEST(BridgeRoundTripTest, EveryMemberCrossesComUnchangedAndNothingStaysHeld) {
    Bridge bridge;
#define QAV_CROSS_TABLE(Object) expectEveryMemberCrossesUnchanged<visio::IV##Object>(bridge);
    QAV_VISIO_OBJECTS(QAV_CROSS_TABLE)
#undef QAV_CROSS_TABLE
    // Each name was asked once per object type.
    EXPECT_LT(bridge.client->counts().nameLookups, bridge.client->counts().calls / 4);
    EXPECT_EQ(bridge.client->liveProxies(), 0u);
    EXPECT_EQ(bridge.faces->counts().liveFaces, 0u);
}

// A Visio that fails every call, or knows no member name at all.
class FailingDispatch final : public com::DispatchObject {
public:
    explicit FailingDispatch(bool knowsNames) : knowsNames_(knowsNames) {}
    HRESULT STDMETHODCALLTYPE GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID* ids) override {
        *ids = knowsNames_ ? 7 : DISPID_UNKNOWN;
        return knowsNames_ ? S_OK : DISP_E_UNKNOWNNAME;
    }
    HRESULT STDMETHODCALLTYPE Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                                     UINT*) override {
        ++invoked;
        return E_FAIL;
    }
    int invoked = 0;

private:
    bool knowsNames_;
};

template <class I, class R, class... P, std::size_t... N>
void expectEmptyAnswer(Bridge& bridge, MemberKind kind, I& proxy, R (I::*member)(P...),
                       std::index_sequence<N...>) {
    [[maybe_unused]] std::tuple<Stored<P>...> sent{
        bridge.throughCom(echo::made<Stored<P>>(bridge.world, bridge.random()))...};
    ((com::isOutput<P> ? void(std::get<N>(sent) = Stored<P>()) : void()), ...);
    [[maybe_unused]] std::tuple<Stored<P>...> before = sent;
    if constexpr (std::is_void_v<R>) {
        (proxy.*member)(echo::pass<P>(std::get<N>(sent))...);
    } else {
        std::string answer =
            describe((proxy.*member)(echo::pass<P>(std::get<N>(sent))...), bridge.proxyLabeller());
        if (kind == MemberKind::Put) {
            EXPECT_NE(answer, describe(R(), bridge.proxyLabeller()));
        } else {
            EXPECT_EQ(answer, describe(R(), bridge.proxyLabeller()));
        }
    }
    EXPECT_EQ((describe(std::get<N>(sent), bridge.proxyLabeller()) + ... + ""),
              (describe(std::get<N>(before), bridge.proxyLabeller()) + ... + ""));
}

template <class I>
void expectEmptyAnswers(Bridge& bridge, bool knowsNames) {
    FailingDispatch* visio = new FailingDispatch(knowsNames);
    visio->AddRef();
    {
        visio::ComRef<I> proxy =
            visio::ComRef<I>::adopt(static_cast<I*>(bridge.client->proxyFor(visio, I::kId)));
        visio::forEachMember<I>([&](const auto& row) {
            SCOPED_TRACE(row.visioName);
            using Signature = visio::MemberSignature<decltype(row.member)>;
            auto parameters =
                std::make_index_sequence<std::tuple_size_v<typename Signature::Parameters>>();
            expectEmptyAnswer(bridge, row.kind, *proxy, row.member, parameters);
        });
    }
    if (!knowsNames) {
        EXPECT_EQ(visio->invoked, 0);
    }
    visio->Release();
}

TEST(BridgeRoundTripTest, AFailedCallAnswersTheEmptyValueAndAPutItsFailure) {
    for (bool knowsNames : {true, false}) {
        Bridge bridge;
#define QAV_FAIL_TABLE(Object) expectEmptyAnswers<visio::IV##Object>(bridge, knowsNames);
        QAV_VISIO_OBJECTS(QAV_FAIL_TABLE)
#undef QAV_FAIL_TABLE
        EXPECT_EQ(bridge.client->liveProxies(), 0u);
    }
}

}  // namespace
