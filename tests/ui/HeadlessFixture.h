// A headless backend installed for the duration of a test, and a user to act on it.
#pragma once

#include <gtest/gtest.h>

#include "platform/ui/Backend.h"
#include "simhost/ui/HeadlessBackend.h"
#include "simhost/ui/HeadlessUser.h"

class HeadlessTest : public ::testing::Test {
protected:
    HeadlessTest() { ui::Backend::install(&backend); }
    ~HeadlessTest() override { ui::Backend::install(nullptr); }

    const simhost::headless::HeadlessWindow& windowOf(ui::WindowHandle h) const {
        const simhost::headless::HeadlessWindow* w = backend.window(h);
        EXPECT_NE(w, nullptr);
        static const simhost::headless::HeadlessWindow none;
        return w ? *w : none;
    }

    simhost::headless::HeadlessBackend backend;
    simhost::headless::HeadlessUser user{backend};
};
