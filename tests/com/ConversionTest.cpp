// Every type a row may take or answer crosses from the client's argument to the face's
// and back unchanged, in and out: so a row added with one of these types needs no COM
// code.
#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "platform/com/ClientSession.h"
#include "simhost/com/FaceArguments.h"
#include "simhost/com/FaceSession.h"
#include "tests/com/EchoObjects.h"

namespace {

template <class T>
void expectCrosses(echo::World& world, std::mt19937& random) {
    auto client = com::ClientSession::create();
    auto faces = simhost::comface::FaceSession::create();
    for (int round = 0; round < 16; ++round) {
        T sent = echo::made<T>(world, random());
        SCOPED_TRACE(echo::describe(sent, world.labeller()));
        // In: what the client passes is what the face reads.
        com::ClientArgument<const T&> in;
        in.set(sent, *faces);
        VARIANT passed = in.passed();
        simhost::comface::FaceArgument<const T&> read;
        ASSERT_TRUE(read.read(&passed, *faces));
        EXPECT_EQ(echo::describe(read.value(), world.labeller()),
                  echo::describe(sent, world.labeller()));
        // Out: what the face writes back is what the client reads.
        T received{};
        com::ClientArgument<T*> out;
        out.set(&received, *client);
        VARIANT reference = out.passed();
        simhost::comface::FaceArgument<T*> written;
        *written.value() = sent;
        written.finish(&reference, *faces);
        out.finish(*client);
        EXPECT_EQ(echo::describe(received, world.labeller()),
                  echo::describe(sent, world.labeller()));
    }
}

TEST(ConversionTest, EveryConvertibleTypeCrossesInAndOut) {
    echo::World world;
    if (GetACP() == 1252) world.accents = "\xE9\xFC\xDF";
    std::mt19937 random(7);
    expectCrosses<int16_t>(world, random);
    expectCrosses<int32_t>(world, random);
    expectCrosses<intptr_t>(world, random);
    expectCrosses<double>(world, random);
    expectCrosses<bool>(world, random);
    expectCrosses<std::string>(world, random);
    expectCrosses<std::vector<int16_t>>(world, random);
    expectCrosses<std::vector<int32_t>>(world, random);
    expectCrosses<std::vector<double>>(world, random);
    expectCrosses<std::vector<std::string>>(world, random);
}

}  // namespace
