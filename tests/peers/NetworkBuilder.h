// NetworkBuilder: draws small water networks into a drawing through the
// product's entity API, for tests and benchmarks.
//
// Every entity is made with its public constructor and setters and appended
// to the model space of the builder's database (the working database when
// none is given), then closed: nothing stays open. Ids are returned in drawing
// order. The database owns the entities.
#pragma once

#include "HxWtDbObject.h"
#include "hxhost/Drawing.h"

#include <vector>

class NetworkBuilder {
public:
    explicit NetworkBuilder(AcDbDatabase* db = nullptr) : m_db(db) {}

    // How many entities the drawing refused (a full database, a missing
    // model space); their ids came back null.
    int refused() const { return m_refused; }

    AcDbObjectId pipe(const AcGePoint3d& start, const AcGePoint3d& end,
                      HxDbWtPipe::PipeFlag flag = HxDbWtPipe::kNetworkPipe) {
        auto* p = new HxDbWtPipe(start, end);
        p->SetPipeFlag(flag);
        p->SetDiameter(300.0);
        p->SetMaterial(L"PE");
        return add(p);
    }
    AcDbObjectId pipe(double x1, double y1, double x2, double y2) {
        return pipe(AcGePoint3d(x1, y1, 0.0), AcGePoint3d(x2, y2, 0.0));
    }
    AcDbObjectId well(double x, double y, double z = 0.0, double diameter = 1.0) {
        auto* w = new HxDbWtWell(AcGePoint3d(x, y, z));
        w->SetWellDiameter(diameter);
        w->SetWellPrefix(L"W");
        return add(w);
    }
    AcDbObjectId pool(double x, double y, double length = 4.0, double width = 2.0) {
        auto* p = new HxDbWtPool(AcGePoint3d(x, y, 0.0));
        p->SetPoolSize(length, width, 3.0);
        return add(p);
    }
    AcDbObjectId equipment(double x0, double y0, double x1, double y1) {
        return add(new HxDbWtEquipment(AcGePoint3d(x0, y0, 0.0), AcGePoint3d(x1, y1, 0.0)));
    }

    // A grid of nx by ny wells `step` apart joined by pipes along x and y:
    // (nx - 1) * ny + nx * (ny - 1) pipes, with loops when both exceed 1.
    // With `tree` only the first row runs along x and every column hangs
    // from it: a tree of nx * ny - 1 pipes. Returns the first well.
    AcDbObjectId grid(int nx, int ny, double step, bool tree) {
        AcDbObjectId first;
        for (int i = 0; i < nx; ++i) {
            for (int j = 0; j < ny; ++j) {
                const AcDbObjectId w = well(i * step, j * step);
                if (first.isNull())
                    first = w;
                if (i + 1 < nx && (!tree || j == 0))
                    pipe(i * step, j * step, (i + 1) * step, j * step);
                if (j + 1 < ny)
                    pipe(i * step, j * step, i * step, (j + 1) * step);
            }
        }
        return first;
    }

private:
    AcDbObjectId add(AcDbEntity* ent) {
        const AcDbObjectId id = hxhost::addToModelSpace(ent, m_db);
        if (id.isNull()) {
            delete ent;
            ++m_refused;
        }
        return id;
    }

    AcDbDatabase* m_db;
    int m_refused = 0;
};
