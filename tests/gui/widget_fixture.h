#pragma once

#include <gtest/gtest.h>

#include "fakes/fake_image_converter.h"
#include "fakes/list_session.h"
#include "gui/widget_driving.h"
#include "scripted_prompts.h"

// What the editor and pane tests share: an open database in a temporary program folder (see
// ListSession) and questions answered from a script that must be used up.
class WidgetFixture : public ListSession {
  protected:
    ~WidgetFixture() override { EXPECT_EQ(prompts_.Unused(), ""); }

    ScriptedPrompts prompts_;
    FakeImageConverter converter_;
};
