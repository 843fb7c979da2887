// HxGeObjList: a list of points with value semantics, kept in a vector behind
// a private implementation so that its layout is one pointer.
#include "HxAecGeometry.h"

#include <vector>

struct HxGeObjList::Impl {
    std::vector<HxGePoint> points;
};

HxGeObjList::HxGeObjList() : m_impl(new Impl) {}

HxGeObjList::HxGeObjList(const HxGeObjList& other) : m_impl(new Impl(*other.m_impl)) {}

HxGeObjList& HxGeObjList::operator=(const HxGeObjList& other) {
    if (this != &other)
        *m_impl = *other.m_impl;
    return *this;
}

HxGeObjList::~HxGeObjList() {
    delete m_impl;
}

int HxGeObjList::Count() const {
    return static_cast<int>(m_impl->points.size());
}

void HxGeObjList::Append(const HxGePoint& point) {
    m_impl->points.push_back(point);
}

const HxGePoint& HxGeObjList::At(int index) const {
    return m_impl->points.at(static_cast<size_t>(index));
}

void HxGeObjList::RemoveAll() {
    m_impl->points.clear();
}
