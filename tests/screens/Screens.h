#pragma once

#include <QWidget>
#include <functional>
#include <memory>

class TestRig;

// A window as it should be looked at: built headless against a test rig and filled with typical
// values. Each tests/screens/*.cpp file adds the scenes of its windows with TAGWELL_SCENE.
using SceneMaker = std::function<std::unique_ptr<QWidget>(TestRig& rig)>;

bool AddScene(const char* name, SceneMaker make);

#define TAGWELL_SCENE_CONCAT2(a, b) a##b
#define TAGWELL_SCENE_CONCAT(a, b) TAGWELL_SCENE_CONCAT2(a, b)
#define TAGWELL_SCENE(name, ...) \
    static const bool TAGWELL_SCENE_CONCAT(sceneAdded, __LINE__) = AddScene(name, __VA_ARGS__)
