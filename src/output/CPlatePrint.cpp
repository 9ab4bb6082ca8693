#include "CPlatePrint.h"

#include "CEngraverDevice.h"
#include "IPrintTarget.h"

#include "document/CPlateRenderer.h"
#include "document/CVeldraDoc.h"
#include "imaging/CDibImage.h"

CPlatePrint::Binder CPlatePrint::BindDocument(CVeldraDoc& doc)
{
    return [&doc](int resolution, int pageWidth, int pageHeight) { doc.SetDevice(resolution, pageWidth, pageHeight); };
}

bool CPlatePrint::Print(CVeldraDoc& doc, const CEngraverDevice& device, const Binder& bind, IPrintTarget& target)
{
    if (!target.CanStart())
        return false;
    // Binding again to the printer the layout is already bound to would
    // only rebuild every picture's display image as it is.
    const int width = device.PageWidth() * 10, height = device.PageHeight() * 10;
    if (!doc.IsBoundTo(device.Resolution(), width, height))
        bind(device.Resolution(), width, height);
    CDibImage plate;
    const CSize size = doc.GetDeviceSize();
    if (!plate.Create(size.cx, size.cy, 24))
        return false;
    CPlateRenderer(doc).RenderPlate(plate, CPlateRenderer::output);
    return target.PrintPage(plate, CentredOffset(size, {device.PageWidthDots(), device.PageHeightDots()}));
}

// On the page the job really has, not on the printable area the layout
// keeps (which is limited to the largest plate bitmap): halved toward minus
// infinity, so a plate larger than the page lies centred across it and the
// page cuts it evenly.
CSize CPlatePrint::CentredOffset(CSize plate, CSize page)
{
    return {(page.cx - plate.cx) >> 1, (page.cy - plate.cy) >> 1};
}
