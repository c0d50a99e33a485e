// Visio's Document, Pages and Page objects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"
#include "platform/visio/MemberTable.h"

// clang-format off
#define QAV_VISIO_MEMBERS_Document(X, C) \
    X(C, Get,    int32_t, ID, "ID", (), ()) \
    X(C, Get,    std::string, Name, "Name", (), ()) \
    X(C, Get,    std::string, FullName, "FullName", (), ()) \
    /* The folder of the saved file, with a trailing separator; empty until first saved. */ \
    X(C, Get,    std::string, Path, "Path", (), ()) \
    X(C, Get,    std::string, Title, "Title", (), ()) \
    X(C, Get,    std::string, Subject, "Subject", (), ()) \
    X(C, Get,    std::string, Creator, "Creator", (), ()) \
    X(C, Get,    std::string, Manager, "Manager", (), ()) \
    X(C, Get,    std::string, Company, "Company", (), ()) \
    X(C, Get,    std::string, Category, "Category", (), ()) \
    X(C, Get,    std::string, Keywords, "Keywords", (), ()) \
    X(C, Get,    std::string, Description, "Description", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVPages>, Pages, "Pages", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVShape>, DocumentSheet, "DocumentSheet", (), ()) \
    X(C, Get,    bool, Saved, "Saved", (), ()) \
    X(C, Put,    void, SetSaved, "Saved", (bool saved), (saved)) \
    X(C, Get,    visio::ComRef<visio::IVUIObject>, CustomToolbars, "CustomToolbars", (), ())

#define QAV_VISIO_MEMBERS_Pages(X, C) \
    X(C, Get,    int16_t, Count, "Count", (), ()) \
    /* From 1. */ \
    X(C, Get,    visio::ComRef<visio::IVPage>, Item, "Item", (int16_t index), (index)) \
    X(C, Method, visio::ComRef<visio::IVPage>, Add, "Add", (), ())

#define QAV_VISIO_MEMBERS_Page(X, C) \
    X(C, Get,    int32_t, ID, "ID", (), ()) \
    X(C, Get,    int16_t, Index, "Index", (), ()) \
    X(C, Get,    std::string, Name, "Name", (), ()) \
    X(C, Put,    void, SetName, "Name", (const std::string& name), (name)) \
    X(C, Get,    visio::ComRef<visio::IVShapes>, Shapes, "Shapes", (), ()) \
    X(C, Get,    bool, Background, "Background", (), ()) \
    X(C, Put,    void, SetBackground, "Background", (bool background), (background)) \
    /* The background page shown behind this page, or empty. */ \
    X(C, Get,    visio::ComRef<visio::IVPage>, BackPage, "BackPage", (), ()) \
    /* Sets the background page by name; an empty name removes it. */ \
    X(C, Put,    void, SetBackPage, "BackPage", (const std::string& pageName), (pageName)) \
    X(C, Get,    visio::ComRef<visio::IVShape>, PageSheet, "PageSheet", (), ()) \
    X(C, Get,    visio::ComRef<visio::IVDocument>, Document, "Document", (), ()) \
    /* Writes the page as a picture; the file's extension names the format. */ \
    X(C, Method, void, Export, "Export", (const std::string& path), (path)) \
    /* A non-zero renumberPages gives the pages left with default names new numbers. */ \
    X(C, Method, void, Delete, "Delete", (int16_t renumberPages), (renumberPages)) \
    /* Drops a copy of the shape onto this page with its pin at (x, y) inches. */ \
    X(C, Method, visio::ComRef<visio::IVShape>, Drop, "Drop", \
      (const visio::ComRef<visio::IVShape>& shape, double x, double y), (shape, x, y)) \
    /* Writes many formulas at once: four 16-bit numbers per formula (shape ID, section, */ \
    /* row, cell) and one formula each. Answers how many were written. */ \
    X(C, Method, int16_t, SetFormulas, "SetFormulas", \
      (const std::vector<int16_t>& sidSrcStream, const std::vector<std::string>& formulas, \
       int16_t flags), (sidSrcStream, formulas, flags)) \
    /* Reads many formulas at once, four 16-bit numbers per cell as SetFormulas takes them: */ \
    /* one formula per cell, or none at all when a cell it names does not exist. */ \
    X(C, Method, void, GetFormulasU, "GetFormulasU", \
      (const std::vector<int16_t>& sidSrcStream, std::vector<std::string>* formulas), \
      (sidSrcStream, formulas)) \
    /* Reads many values at once, the stream as GetFormulasU takes it. Flags: 0 doubles, */ \
    /* 1 truncated and 2 rounded integers, 4 and 5 formulas. Units per entry (the last one */ \
    /* given goes on); none given: internal units. Nothing answered when a cell is missing. */ \
    X(C, Method, void, GetResults, "GetResults", \
      (const std::vector<int16_t>& sidSrcStream, int16_t flags, \
       const std::vector<visio::Variant>& unitsNamesOrCodes, \
       std::vector<visio::Variant>* results), \
      (sidSrcStream, flags, unitsNamesOrCodes, results))
// clang-format on

namespace visio {

class IVDocument : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Document;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Document)
};
QAV_VISIO_DESCRIBE_MEMBERS(Document)

class IVPages : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Pages;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Pages)
};
QAV_VISIO_DESCRIBE_MEMBERS(Pages)

class IVPage : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Page;
    QAV_VISIO_DECLARE_INTERFACE_MEMBERS(Page)
};
QAV_VISIO_DESCRIBE_MEMBERS(Page)

}  // namespace visio
