// Visio's Document, Pages and Page objects.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/visio/IVForward.h"
#include "platform/visio/IVObject.h"

namespace visio {

class IVDocument : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Document;

    virtual int32_t ID() = 0;
    virtual std::string Name() = 0;
    virtual std::string FullName() = 0;
    // The folder of the saved file, with a trailing separator; empty until first saved.
    virtual std::string Path() = 0;
    virtual std::string Title() = 0;
    virtual std::string Subject() = 0;
    virtual std::string Creator() = 0;
    virtual std::string Manager() = 0;
    virtual std::string Company() = 0;
    virtual std::string Category() = 0;
    virtual std::string Keywords() = 0;
    virtual std::string Description() = 0;
    virtual ComRef<IVPages> Pages() = 0;
    virtual ComRef<IVShape> DocumentSheet() = 0;
    virtual bool Saved() = 0;
    virtual void SetSaved(bool saved) = 0;
    virtual ComRef<IVUIObject> CustomToolbars() = 0;
};

class IVPages : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Pages;
    virtual int16_t Count() = 0;
    // From 1.
    virtual ComRef<IVPage> Item(int16_t index) = 0;
    virtual ComRef<IVPage> Add() = 0;
};

class IVPage : public IVObject {
public:
    static constexpr InterfaceId kId = InterfaceId::Page;

    virtual int32_t ID() = 0;
    virtual int16_t Index() = 0;
    virtual std::string Name() = 0;
    virtual void SetName(const std::string& name) = 0;
    virtual ComRef<IVShapes> Shapes() = 0;
    virtual bool Background() = 0;
    virtual void SetBackground(bool background) = 0;
    // The background page shown behind this page, or empty.
    virtual ComRef<IVPage> BackPage() = 0;
    // Sets the background page by name; an empty name removes it.
    virtual void SetBackPage(const std::string& pageName) = 0;
    virtual ComRef<IVShape> PageSheet() = 0;
    virtual ComRef<IVDocument> Document() = 0;
    // Writes the page as a picture; the file's extension names the format.
    virtual void Export(const std::string& path) = 0;
    virtual void Delete(int16_t renumberPages) = 0;
    // Drops a copy of the shape onto this page with its pin at (x, y) inches.
    virtual ComRef<IVShape> Drop(const ComRef<IVShape>& shape, double x, double y) = 0;
    // Writes many formulas at once: four 16-bit numbers per formula (shape ID, section,
    // row, cell) and one formula each. Answers how many were written.
    virtual int16_t SetFormulas(const std::vector<int16_t>& sidSrcStream,
                                const std::vector<std::string>& formulas, int16_t flags) = 0;
};

}  // namespace visio
