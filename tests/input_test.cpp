// Player input without a window: the key table, presses and releases of the mouse (walking,
// the long-press stop, orbit and steer drags, the dialog taking presses), clicks on world
// objects (fight, evolve, eat, carry, drop, visit) and the wheel steps.
#include <gtest/gtest.h>

#include <string>

#include "app/frame_tick.h"
#include "app/input.h"
#include "dialog/advance_dialog.h"
#include "platform/message_box.h"
#include "platform/mouse_wheel.h"
#include "world/world_tick.h"
#include "world_test_support.h"

namespace {
using namespace world_test;

// An 800 x 600 window over flat ground where each pixel is a tenth of a unit, centred on
// the avatar, so a press at (x, y) aims at ((x - 400) / 10, 0, (y - 300) / 10).
class cFakeWindow : public cInputWindow {
 public:
  eMotionHandler motion = eMotionHandler::kNone;
  void SetMotionHandler(eMotionHandler handler) override { motion = handler; }
  int Width() override { return 800; }
  int Height() override { return 600; }
  cVector GroundUnder(int x, int y) override {
    return cVector((x - 400) * 0.1f, 0.0f, (y - 300) * 0.1f);
  }
};

const cVector kAvatarHome = At(100.0f, 100.0f);

class InputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ResetSimulation();
    for (int i = 0; i < 4; ++i) AddSpecies(1.0f, 3.0f);
    avatar = AddAvatar(kAvatarHome);
    ResetInputState();
    TakeWheelMotion();
    SetInputWindow(&window);
  }
  void TearDown() override {
    SetInputWindow(nullptr);
    UseRealTime();
  }

  void Press(int x, int y, int button = kLeftButton) { OnMouseButton(button, kButtonDown, x, y); }
  void Release(int x, int y, int button = kLeftButton) { OnMouseButton(button, kButtonUp, x, y); }
  void Keys(const std::string& keys) {
    for (char key : keys) OnKeyboard(static_cast<unsigned char>(key), 0, 0);
  }
  void ExpectTarget(float x, float z) {
    EXPECT_FLOAT_EQ(avatar->target.x, x);
    EXPECT_FLOAT_EQ(avatar->target.z, z);
  }

  cFakeWindow window;
  cKeltoGameCritter* avatar = nullptr;
};

TEST_F(InputTest, FieldOfViewKeysStepByFiveWithinTwentyToHundredTwenty) {
  struct { float start; const char* keys; float expected; } cases[] = {
      {100, "+", 105}, {100, "=", 105}, {118, "+", 120}, {120, "++", 120},
      {100, "-", 95},  {22, "-", 20},   {20, "--", 20},  {100, "++++++++++----", 100},
  };
  for (const auto& c : cases) {
    gCamera.fieldOfView = c.start;
    Keys(c.keys);
    EXPECT_FLOAT_EQ(gCamera.fieldOfView, c.expected) << c.start << " then " << c.keys;
  }
}

TEST_F(InputTest, ToggleKeysActInEitherCase) {
  struct { const char* keys; bool (*flag)(); } cases[] = {
      {"cC", [] { return gCamera.iso_cam; }},
      {"Dd", [] { return gGameState.freeZoom; }},
      {"fF", [] { return curved_horizon; }},
      {"pP", [] { return gGameState.paused != 0; }},
  };
  for (const auto& c : cases) {
    const bool before = c.flag();
    Keys(std::string(1, c.keys[0]));
    EXPECT_NE(c.flag(), before) << c.keys[0];
    Keys(std::string(1, c.keys[1]));
    EXPECT_EQ(c.flag(), before) << c.keys[1];
  }
}

TEST_F(InputTest, CommandKeysAndTheFollowViewsPitch) {
  Keys("c");
  EXPECT_FLOAT_EQ(gCamera.pitch, 45.0f);
  gCamera.pitch = 70.0f;  // dragged
  Keys("cc");
  EXPECT_FLOAT_EQ(gCamera.pitch, 45.0f) << "every time the follow view is turned on";
  Keys("k");
  EXPECT_EQ(avatar->health, 0.0f);
  Keys("M");
  EXPECT_TRUE(gGameState.nestBuilding);
  Keys("e");
  EXPECT_TRUE(EvolutionDialogVisible());
  cKeltoGameCritter* critter = AddCritter(At(50.0f, 50.0f), 1);
  gSpeciesTable[1].walk_speed = 2.5f;
  Keys("T");
  EXPECT_FLOAT_EQ(critter->walk_speed, 2.5f) << "critters take over their species' values";
}

TEST_F(InputTest, AClickSetsTheTargetOnceAndAHeldButtonSteers) {
  SetGameTime(1000);
  Press(500, 350);
  ExpectTarget(110.0f, 105.0f);
  EXPECT_EQ(window.motion, eMotionHandler::kSteer);
  SetGameTime(1200);
  OnSteerDrag(600, 300);  // within 200 ms the pointer does not steer yet
  ExpectTarget(110.0f, 105.0f);
  SetGameTime(1201);
  OnSteerDrag(400, 200);
  ExpectTarget(100.0f, 90.0f);
  EXPECT_EQ(gInputState.dragX, 400);
  EXPECT_EQ(gInputState.dragY, 200);
}

// The release of a long press presses again at the window centre: the avatar stops, or acts on
// what lies there.
TEST_F(InputTest, ReleasingALongLeftPressStopsTheAvatarOrActsOnTheObjectThere) {
  struct { int button; uint32_t heldMs; bool stops, overCritter; } cases[] = {
      {kLeftButton, 200, false, false}, {kLeftButton, 201, true, false},
      {kLeftButton, 5000, true, false}, {kRightButton, 5000, false, false},
      {kLeftButton, 5000, true, true},
  };
  for (const auto& c : cases) {
    SetUp();
    SetGameTime(1000);
    Press(500, 300);
    if (c.overCritter) gGameState.hoveredObject = AddCritter(kAvatarHome, 1);
    SetGameTime(1000 + c.heldMs);
    Release(500, 300, c.button);
    EXPECT_EQ(gWorld->fights.size(), c.overCritter ? 1u : 0u);
    const bool walks = c.stops && !c.overCritter;
    EXPECT_EQ(window.motion, walks ? eMotionHandler::kSteer : eMotionHandler::kNone);
    EXPECT_EQ(gInputState.leftDragActive, c.stops) << "the centre press keeps steering on the spot";
    if (c.stops) {
      if (!c.overCritter) ExpectTarget(100.0f, 100.0f);
      EXPECT_EQ(gInputState.dragX, 400);
      EXPECT_EQ(gInputState.dragY, 300);
    } else {
      ExpectTarget(110.0f, 100.0f);
    }
    TearDown();
  }
}

// Hold the left button, press K with no victory points needed: the death opens "You Win", and
// the button is let go while the box holds the game. The release still ends the drag, so the
// avatar does not steer on by itself once the box is dismissed.
TEST_F(InputTest, AReleaseWhileAMessageBoxIsOpenStillEndsTheDrag) {
  static int boxes = 0;
  boxes = 0;
  const MessageBoxBackend previous = SetMessageBoxBackend([](const std::string&, const std::string&) {
    ++boxes;
    OnMouseButtonUnderMessageBox(kLeftButton, kButtonUp, 600, 300);
  });
  gConfig.victory_points = 0;
  SetGameTime(1000);
  Press(600, 300);
  SetGameTime(1500);
  Keys("k");
  WorldTick();
  SetMessageBoxBackend(previous);
  ASSERT_EQ(boxes, 1);
  EXPECT_FALSE(gInputState.leftDragActive) << "the frame would keep steering toward (600, 300)";
  EXPECT_EQ(window.motion, eMotionHandler::kNone);

  // Under a box, only the release of a real button ends a drag: not a press, not the wheel's 3 and 4.
  struct { int button, state; bool ends; } events[] = {
      {kLeftButton, kButtonUp, true}, {1, kButtonUp, true},      {kRightButton, kButtonUp, true},
      {3, kButtonUp, false},          {4, kButtonUp, false},     {kLeftButton, kButtonDown, false},
  };
  for (const auto& e : events) {
    Press(600, 300);
    OnMouseButtonUnderMessageBox(e.button, e.state, 600, 300);
    EXPECT_EQ(gInputState.leftDragActive, !e.ends) << "button " << e.button << " state " << e.state;
    EXPECT_EQ(window.motion == eMotionHandler::kNone, e.ends) << "button " << e.button << " state " << e.state;
  }
}

// A dialog button pressed just before a box opened comes up with the release under the box, as
// any release over it does: its command runs and it is drawn unpressed again.
TEST_F(InputTest, AReleaseUnderAMessageBoxReachesTheEvolutionDialog) {
  OpenEvolutionDialog();
  Press(235, 272);  // the + of "Attack:", the dialog's second row
  OnMouseButtonUnderMessageBox(kLeftButton, kButtonUp, 235, 272);
  for (const cGLFDialogControl* button : gEvolutionDialog.buttons) EXPECT_EQ(button->pressed, 0) << button->label;
  EXPECT_EQ(gEvolutionDialog.value_labels[1]->label, "1");
  EXPECT_EQ(window.motion, eMotionHandler::kNone);
}

// A fresh window has not told where the pointer is: hovering picks nothing until the pointer
// moves in, and nothing again once it has left.
TEST_F(InputTest, HoverPicksOnlyWhereThePointerIsKnown) {
  cKeltoGamePlant* underTheCorner = AddPlant(At(60.0f, 70.0f));  // under window (0, 0): (-40, -30) off the avatar
  cKeltoGamePlant* besideTheNest = AddPlant(At(101.0f, 100.0f));  // under window (410, 300)
  struct { const char* event; int entry, x, y; cKeltoGameObject* hovered; } steps[] = {
      {"fresh window", -1, -1, -1, nullptr},          {"moved to the corner", -1, 0, 0, underTheCorner},
      {"moved beside the nest", -1, 410, 300, besideTheNest}, {"left", kPointerLeft, -1, -1, nullptr},
  };
  for (const auto& s : steps) {
    if (s.entry >= 0) OnMouseEntry(s.entry);
    if (s.x >= 0) OnMouseMove(s.x, s.y);
    UpdateHoveredObject(GroundUnderPointer());
    EXPECT_EQ(gGameState.hoveredObject, s.hovered) << s.event;
  }
}

// Edge scrolling must not act on a pointer that is elsewhere: over the control panel beside the
// window, or anywhere at all before it first moves in a fresh window.
TEST_F(InputTest, ThePointerIsKnownForEdgeScrollingOnlyFromAMotionInsideTheWindowUntilItLeaves) {
  struct { const char* event; int state, x; std::optional<int> pointerX; } steps[] = {
      {"fresh window", -1, 0, std::nullopt},  {"entered", kPointerEntered, 0, std::nullopt},
      {"moved", -1, 10, 10},                  {"left", kPointerLeft, 0, std::nullopt},
      {"back", kPointerEntered, 0, std::nullopt}, {"moved", -1, 790, 790},
  };
  for (const auto& s : steps) {
    if (s.state >= 0) OnMouseEntry(s.state);
    if (s.x > 0) OnMouseMove(s.x, 300);
    EXPECT_EQ(EdgeScrollPointerX(), s.pointerX) << s.event;
  }
}

TEST_F(InputTest, RightDragOrbitsOneDegreePerPixelAndALeftPressSwingsTheFollowViewBack) {
  gCamera.yawOffset = 10.0f;
  gCamera.pitch = 50.0f;
  Press(100, 100, kRightButton);
  EXPECT_EQ(window.motion, eMotionHandler::kOrbit);
  OnOrbitDrag(130, 90);
  OnOrbitDrag(125, 95);
  EXPECT_FLOAT_EQ(gCamera.yawOffset, 35.0f);
  EXPECT_FLOAT_EQ(gCamera.pitch, 45.0f);
  Release(125, 95, kRightButton);
  EXPECT_EQ(window.motion, eMotionHandler::kNone);
  ExpectTarget(100.0f, 100.0f);  // orbiting never moves the avatar
  for (bool follow : {false, true}) {
    gCamera.iso_cam = follow;
    gCamera.yawOffset = 30.0f;
    Press(400, 300);
    Release(400, 300);
    EXPECT_FLOAT_EQ(gCamera.yawOffset, follow ? 0.0f : 30.0f) << "follow view " << follow;
  }
}

TEST_F(InputTest, PressesOnTheOpenDialogNeverReachTheWorld) {
  gGameState.hoveredObject = AddCritter(kAvatarHome + At(3.0f, 0.0f), 1);  // behind the dialog
  avatar->target = At(150.0f, 100.0f);
  OpenEvolutionDialog();
  SetGameTime(1000);
  Press(145, 470);  // Cancel
  EXPECT_FALSE(gInputState.leftDragActive);
  EXPECT_EQ(window.motion, eMotionHandler::kNone);
  SetGameTime(2000);  // held long, as a deliberate click on a button often is
  Release(145, 470);
  EXPECT_FALSE(EvolutionDialogVisible()) << "the release runs the dialog's Cancel";
  EXPECT_TRUE(gWorld->fights.empty()) << "the critter behind the dialog is not attacked";
  EXPECT_FALSE(gInputState.leftDragActive);
  ExpectTarget(150.0f, 100.0f);
}

TEST_F(InputTest, ClickingACritterFightsEveryKindButTheEvolvingOne) {
  struct { int species; float distance; bool canEvolve, fight, dialog; } cases[] = {
      {1, 5.0f, true, true, false},   {3, 5.0f, false, true, false},
      {0, 5.0f, true, false, true},   {0, 9.9f, true, false, true},
      {0, 10.0f, true, false, false}, {0, 5.0f, false, false, false},
  };
  for (const auto& c : cases) {
    SetUp();
    avatar->species = c.species;
    can_evolve = c.canEvolve;
    gGameState.hoveredObject = AddCritter(kAvatarHome + At(c.distance, 0.0f), c.species);
    avatar->target = At(150.0f, 100.0f);
    Press(420, 300);
    Release(420, 300);
    const std::string name = std::to_string(c.species) + " at " + std::to_string(c.distance);
    EXPECT_EQ(gWorld->fights.size(), c.fight ? 1u : 0u) << name;
    EXPECT_EQ(EvolutionDialogVisible(), c.dialog) << name;
    if (!c.fight) ExpectTarget(150.0f, 100.0f);  // a fight sends the avatar to its side
    EXPECT_EQ(window.motion, eMotionHandler::kNone) << name << ": clicks on objects do not steer";
    TearDown();
  }
}

TEST_F(InputTest, ClickingACarcassEatsCarriesOrDropsIt) {
  struct {
    const char* name;
    float distance;
    bool shift, carryingAnother, carriedBefore, carriedAfter;
    size_t meals;
  } cases[] = {
      {"eat", 5.0f, false, false, false, false, 1},
      {"eat from afar", 50.0f, false, false, false, false, 1},
      {"pick up", 9.9f, true, false, false, true, 0},
      {"too far to pick up", 10.0f, true, false, false, false, 0},
      {"hands full", 5.0f, true, true, false, false, 0},
      {"drop", 5.0f, false, false, true, false, 0},
      {"drop with shift", 5.0f, true, false, true, false, 0},
  };
  for (const auto& c : cases) {
    SetUp();
    cKeltoGameCarcass* carcass = gWorld->AddCarcass(kAvatarHome + At(c.distance, 0.0f));
    cKeltoGameCarcass* held = c.carriedBefore ? carcass : nullptr;
    if (c.carryingAnother) held = gWorld->AddCarcass(kAvatarHome);
    if (held) {
      held->carrier = avatar;
      avatar->carried = held;
    }
    SetShiftKeyDown(c.shift);
    gGameState.hoveredObject = carcass;
    Press(420, 300);
    EXPECT_EQ(carcass->carrier == avatar, c.carriedAfter) << c.name;
    EXPECT_EQ(avatar->carried == carcass, c.carriedAfter) << c.name;
    EXPECT_EQ(gWorld->meals.size(), c.meals) << c.name;
    TearDown();
  }
}

TEST_F(InputTest, AClickEndsTheAvatarsFightsThenVisitsTheNestOrWalksPastAPlant) {
  gGameState.hoveredObject = AddCritter(kAvatarHome + At(5.0f, 0.0f), 1);
  Press(450, 300);
  ASSERT_EQ(gWorld->fights.size(), 1u);
  gGameState.hoveredObject = gWorld->nests.front();
  Press(450, 300);
  EXPECT_TRUE(gWorld->fights.front().done);
  ASSERT_EQ(gWorld->nest_visits.size(), 1u);
  EXPECT_EQ(gWorld->nest_visits.front().visitor, avatar);
  EXPECT_EQ(window.motion, eMotionHandler::kNone);
  gGameState.hoveredObject = AddPlant(kAvatarHome + At(5.0f, 0.0f));
  Press(450, 300);
  ExpectTarget(105.0f, 100.0f);
  EXPECT_EQ(window.motion, eMotionHandler::kSteer);
}

TEST_F(InputTest, WheelStepIsTheSignOfTheMotionSinceTheLastFrame) {
  struct { int motion, step; } cases[] = {{0, 0}, {1, 1}, {3, 1}, {-1, -1}, {-4, -1}};
  for (const auto& c : cases) {
    AddWheelMotion(c.motion);
    EXPECT_EQ(WheelStep(), c.step) << c.motion;
    EXPECT_EQ(WheelStep(), 0) << "each motion counts once";
  }
}

}  // namespace
