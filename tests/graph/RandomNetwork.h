// Draws pipe networks into the current drawing for the differential test and
// the benchmark: random trees and grids (with or without loops), sprinkled
// with pools, gulley pipes, pipes on equipment and open ends; and a large
// fishbone network of a given pipe count. Header-only; deterministic for a
// seed.
#pragma once

#include "HxWtDbObject.h"
#include "hxhost/Drawing.h"

#include <random>
#include <string>
#include <vector>

namespace hxgraphtest {

struct DrawnNetwork {
    std::vector<AcDbObjectId> nodes; // wells and pools
    std::vector<AcDbObjectId> pipes; // every pipe, network or not
    std::vector<AcGePoint3d> pipeStart;
    std::vector<AcGePoint3d> pipeEnd;
};

enum class Shape { Tree, GridTree, GridLoops };

inline AcDbObjectId DrawNode(DrawnNetwork& net, const AcGePoint3d& at, bool asPool) {
    AcDbEntity* entity = nullptr;
    if (asPool) {
        auto* pool = new HxDbWtPool(at);
        pool->SetPoolSize(2.0, 1.0, 3.0);
        entity = pool;
    } else {
        auto* well = new HxDbWtWell(at);
        well->SetWellDiameter(0.7);
        well->SetWellDeepness(2.5);
        entity = well;
    }
    AcDbObjectId id = hxhost::addToModelSpace(entity);
    net.nodes.push_back(id);
    return id;
}

inline AcDbObjectId DrawPipe(DrawnNetwork& net, const AcGePoint3d& a, const AcGePoint3d& b,
                             int flag, double diameter) {
    auto* pipe = new HxDbWtPipe(a, b);
    pipe->SetPipeFlag(static_cast<HxDbWtPipe::PipeFlag>(flag));
    pipe->SetDiameter(diameter);
    pipe->SetHeights(3.25, 3.0);
    AcDbObjectId id = hxhost::addToModelSpace(pipe);
    net.pipes.push_back(id);
    net.pipeStart.push_back(a);
    net.pipeEnd.push_back(b);
    return id;
}

// A random network of about `size` nodes. Node positions are distinct and
// generic (no pipe end lies on another pipe's middle).
inline DrawnNetwork DrawRandomNetwork(Shape shape, int size, unsigned seed) {
    std::mt19937 rng(seed);
    auto chance = [&](int percent) { return static_cast<int>(rng() % 100) < percent; };
    auto jitter = [&]() { return static_cast<double>(rng() % 1000) / 1000.0; };
    DrawnNetwork net;
    std::vector<AcGePoint3d> at;
    int side = 2;
    while (side * side < size)
        ++side;
    int count = shape == Shape::Tree ? size : side * side;
    for (int i = 0; i < count; ++i) {
        double x = shape == Shape::Tree ? i * 10.0 + jitter() : (i % side) * 10.0 + jitter();
        double y = shape == Shape::Tree ? jitter() * 40.0 : (i / side) * 10.0 + jitter();
        at.emplace_back(x, y, jitter());
        DrawNode(net, at.back(), chance(10));
    }
    auto link = [&](int a, int b) {
        bool forward = chance(50);
        DrawPipe(net, at[forward ? a : b], at[forward ? b : a], 1, 0.1 * (1 + rng() % 8));
    };
    for (int i = 1; i < count; ++i) {
        if (shape == Shape::Tree) {
            link(static_cast<int>(rng() % i), i);
            continue;
        }
        if (i % side != 0 && (shape == Shape::GridLoops || i / side == 0))
            link(i - 1, i);
        if (i >= side)
            link(i - side, i);
    }
    // Extras at random nodes: gulley pipes, pipes onto equipment, open ends.
    for (int i = 0; i < count; ++i) {
        AcGePoint3d off(at[i].x + 3.3, at[i].y + 2.7, 0);
        if (chance(15))
            DrawPipe(net, at[i], off, 2, 0.2);
        else if (chance(8)) {
            hxhost::addToModelSpace(new HxDbWtEquipment(AcGePoint3d(off.x - 0.4, off.y - 0.4, 0),
                                                        AcGePoint3d(off.x + 0.4, off.y + 0.4, 0)));
            DrawPipe(net, at[i], off, 1, 0.2);
        } else if (chance(5))
            DrawPipe(net, at[i], off, 1, 0.2);
    }
    return net;
}

// A fishbone of about `pipes` pipes: a main line of wells along x with one
// spur well beside each; the outlet is the first main well. With
// `equipmentEvery` k > 0, every k-th spur well also has a short pipe onto a
// piece of equipment beside it (pipes the graph flags as on equipment).
inline DrawnNetwork DrawFishbone(int pipes, int equipmentEvery = 0) {
    DrawnNetwork net;
    int k = pipes / 2;
    AcGePoint3d previous(0, 0, 0);
    DrawNode(net, previous, true);
    for (int i = 1; i <= k; ++i) {
        AcGePoint3d main(10.0 * i, 0, 0);
        AcGePoint3d spur(10.0 * i, 5, 0);
        DrawNode(net, main, false);
        DrawNode(net, spur, false);
        DrawPipe(net, previous, main, 1, 0.3);
        DrawPipe(net, main, spur, 1, 0.2);
        if (equipmentEvery > 0 && i % equipmentEvery == 0) {
            AcGePoint3d at(spur.x + 3.3, spur.y + 2.7, 0);
            hxhost::addToModelSpace(new HxDbWtEquipment(AcGePoint3d(at.x - 0.4, at.y - 0.4, 0),
                                                        AcGePoint3d(at.x + 0.4, at.y + 0.4, 0)));
            DrawPipe(net, spur, at, 1, 0.2);
        }
        previous = main;
    }
    return net;
}

} // namespace hxgraphtest
