// Drawing a hydraulic model with the product's entities: junctions as wells,
// reservoirs, tanks, outfalls, storage units and dividers as pools, every link
// as a pipe between its nodes' places, and each node's elevation as a tagged
// elevation symbol at its place (so the ground level read back there is the
// elevation). The drawing is in metres; places are drawn as the file gives
// them. Nodes that share a place are moved apart along x by kNodeSeparation
// each, and every move is reported.
#pragma once

#include <string>
#include <vector>

#include "InpModel.h"
#include "InpReader.h"
#include "dbmain.h"

namespace hxwt {

// How far apart nodes that share a place are drawn, drawing units.
constexpr double kNodeSeparation = 0.01;

struct DrawnModel {
    int wells = 0, pools = 0, pipes = 0, symbols = 0;
    std::vector<InpMessage> moves; // one per moved node, at its line
    // A pick from which hxwt export rebuilds the network: the first link of
    // the source (EPANET: the first reservoir, else tank) or outlet (SWMM: the
    // first outfall), picked at that node.
    std::string pickHandle;
    double pickX = 0.0, pickY = 0.0;
    std::string rootId;
};

// Draws model (read without errors) into db, which must be the working
// database. False, with the reason in *error, when the drawing refuses an
// entity.
bool drawModel(const InpModel& model, AcDbDatabase* db, DrawnModel& drawn, std::string* error);

// A well's prefix and index from an id: the trailing digits are the index
// when there are any ("J12" -> "J", "12"), else the whole id is the prefix.
void splitWellName(const std::string& id, std::string& prefix, std::string& index);

} // namespace hxwt
