#pragma once

#include "CAdjustmentKeeper.h"
#include "CDocumentSettings.h"
#include "CUndoEngine.h"

#include "objects/CDocumentContext.h"
#include "objects/CSymbolObj.h"
#include "platform/CObject.h"

#include <QString>

#include <functional>
#include <memory>
#include <vector>

class CArchive;
class CDibObj;
class IDocumentObserver;
class ILayerList;
class CPenPainter;

// The layout being edited: the material with its size and colour, the
// ordered objects (head = front-most), the engraver resolution and
// printable area, the margins, the invert switch and the undo history.
// Every change goes through an operation here, which records an undo step,
// tells the layer list and broadcasts an update hint to the views.
class CVeldraDoc : public CDocumentContext
{
public:
    static constexpr int defaultResolution = 529;
    static constexpr int maxMaterialSide = 9000;

    CVeldraDoc();
    ~CVeldraDoc();
    CVeldraDoc(const CVeldraDoc&) = delete;
    CVeldraDoc& operator=(const CVeldraDoc&) = delete;

    // Conversions between layout units and plate pixels.
    int GetResolution() const override { return m_nResolution; }
    CPoint DocToDevice(CPoint point) const override;
    CSize DocToDeviceSize(CSize size) const override;
    CRect DocRectToDevice(const CRect& rect) const;
    CPoint DeviceToDoc(CPoint point) const override;
    CSize DeviceToDocSize(CSize size) const override;
    bool IsSerializingFile() const override { return m_bSerializingFile; }
    // While a file is read its pictures share one budget for display images.
    bool AllowDisplayBytes(std::uint64_t bytes) override;
    static constexpr std::uint64_t fileDisplayBudget = std::uint64_t(512) << 20;

    // The list.
    int GetObjectCount() const { return int(m_objects.size()); }
    CSymbolObj* GetObjectAt(int index) const;
    std::vector<CSymbolObj*> GetObjects() const;
    bool InsertAt(std::unique_ptr<CSymbolObj> object, int index);
    int IndexOf(const CSymbolObj* object) const;
    bool Delete(CSymbolObj* object);
    void MoveCenter(CSymbolObj* object, bool record);
    bool MoveObject(int from, int to);
    void Select(CSymbolObj* object);
    void SelectNext(CSymbolObj* object, bool backwards);
    CSymbolObj* ObjectAt(CPoint point, CSize tolerance, CSymbolObj* selection);

    // Raw list edits for undo and loading: no records, no hints.
    void InsertRaw(std::unique_ptr<CSymbolObj> object, int index);
    std::unique_ptr<CSymbolObj> RemoveRaw(int index);
    std::unique_ptr<CSymbolObj> ReplaceRaw(int index, std::unique_ptr<CSymbolObj> object);

    // Undo. markModified false: a step that does not count as a change.
    bool RecordUndo(UndoKind kind, CSymbolObj* object, bool markModified);
    void RecordOrderUndo(int from, int to, bool markModified);
    // After a fill painted the pen layer.
    void RecordFillUndo(CDibObj* layer, SurfaceChange change);
    // Before the plate's size or outline changes.
    void RecordMaterialUndo();
    bool Undo();
    bool Redo();
    void DropLastUndo();
    void ClearUndo();
    // Everything recorded while one lives is one step for the user.
    class UndoGroup
    {
    public:
        explicit UndoGroup(CVeldraDoc& doc) : m_doc(doc) { m_doc.m_undo.BeginGroup(); }
        ~UndoGroup() { m_doc.m_undo.EndGroup(); }
        UndoGroup(const UndoGroup&) = delete;
        UndoGroup& operator=(const UndoGroup&) = delete;

    private:
        CVeldraDoc& m_doc;
    };
    bool CanUndo() const { return m_undo.CanUndo(); }
    bool CanRedo() const { return m_undo.CanRedo(); }
    const CUndoEngine& UndoHistory() const { return m_undo; }

    // Device and material.
    void SetDevice(int resolution, int printableWidth, int printableHeight);
    // Binding to this device again would change nothing: same resolution,
    // page and material.
    bool IsBoundTo(int resolution, int printableWidth, int printableHeight) const;
    void RecalcMargins();
    CSize GetMaterialSize() const { return m_sizeMaterial; }
    void SetMaterialSize(CSize size) { m_sizeMaterial = size; }
    // A new material size and, with it, the plate bitmap's size in dots.
    void ResizeMaterial(CSize size);
    // The plate as an undo or redo brings it back; every object follows.
    void RestoreMaterial(CSize size, int shapeIndex, const QString& shapeFile);
    CSize GetDeviceSize() const { return m_sizeDevice; }
    CSize GetPrintableSize() const { return m_sizePrintable; }
    CSize GetMargins() const { return m_sizeMargin; }
    COLORREF GetBaseColor() const { return m_crBase; }
    void SetBaseColor(COLORREF color) { m_crBase = color; }
    bool IsInverted() const { return m_bInvert != 0; }
    void SetInverted(bool invert) { m_bInvert = invert ? 1 : 0; }
    bool HasMaterial() const { return m_bHasMaterial; }
    int GetShapeIndex() const { return m_nShapeIndex; }
    void SetShapeIndex(int index) { m_nShapeIndex = index; }
    // The material library file the outline came from (shape index -1).
    QString GetShapeFile() const { return m_strShapeFile; }
    void SetShapeFile(const QString& path) { m_strShapeFile = path; }
    // Every object rebuilds what depends on the resolution or the material.
    void RefreshObjects();

    // Life cycle.
    void OnNewDocument();
    void DeleteContents();
    // Modified: the layout shown is not the one last saved or opened.
    bool IsModified() const { return !m_undo.IsClean(); }
    // false: what is shown is now saved; true: changed outside the history.
    void SetModifiedFlag(bool modified = true);
    // Told whenever the modified state may have changed.
    void SetModifiedListener(std::function<void(bool)> listener) { m_modifiedListener = std::move(listener); }

    // Collaborators.
    void SetSettings(const CDocumentSettings& settings);
    const CDocumentSettings& Settings() const { return m_settings; }
    CAdjustmentKeeper& Adjustments() { return m_adjustments; }
    const CAdjustmentKeeper& Adjustments() const { return m_adjustments; }
    void AddObserver(IDocumentObserver* observer);
    void RemoveObserver(IDocumentObserver* observer);
    void UpdateAllViews(void* sender, int hint, CSymbolObj* object);
    void SetLayerList(ILayerList* layers) { m_pLayers = layers; }
    ILayerList* LayerList() const { return m_pLayers; }
    void SetPenTool(std::unique_ptr<CPenPainter> tool);
    CPenPainter* PenTool() const { return m_pPenTool.get(); }
    // Where full-resolution pictures go: a new temporary file's path, or
    // an empty string when none can be made.
    void SetTempFileSource(std::function<QString()> source) { m_tempFileSource = std::move(source); }
    QString NewTempFile() const { return m_tempFileSource ? m_tempFileSource() : QString(); }

private:
    friend class CDocumentFile;

    void UpdateHasMaterial();
    void NoteModified();
    CSize LimitedPrintable(int printableWidth, int printableHeight) const;

    CSize m_sizeDevice;
    CSize m_sizeMaterial;
    CSize m_sizePrintable;
    CSize m_sizeMargin;
    CSize m_sizeMaxMaterial{maxMaterialSide, maxMaterialSide};
    int m_nResolution = defaultResolution;
    std::int32_t m_bInvert = 0;
    std::vector<std::unique_ptr<CSymbolObj>> m_objects;
    COLORREF m_crBase = 0;
    bool m_bHasMaterial = false;
    int m_nShapeIndex = 0;
    QString m_strShapeFile;
    bool m_bSerializingFile = false;
    std::uint64_t m_fileDisplayBytes = 0;
    bool m_bReportedModified = false;
    std::function<void(bool)> m_modifiedListener;

    CDocumentSettings m_settings;
    CAdjustmentKeeper m_adjustments;
    CUndoEngine m_undo;
    std::vector<IDocumentObserver*> m_observers;
    ILayerList* m_pLayers = nullptr;
    std::unique_ptr<CPenPainter> m_pPenTool;
    std::function<QString()> m_tempFileSource;
};
