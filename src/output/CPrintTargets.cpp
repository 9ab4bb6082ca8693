#include "CPrintTargets.h"

#include "CEngraverDevice.h"
#include "CEngraverJob.h"
#include "CProofJob.h"

std::unique_ptr<IPrintTarget> CPrintTargets::For(const CEngraverDevice& device, const QString& title, int copies,
                                                 const CEngraverAdjustments& adjustments, const QString& outputFile)
{
    if (device.IsEngraver()) {
        auto job = std::make_unique<CEngraverJob>(device, title, copies, adjustments);
        job->SetOutputFile(outputFile);
        return job;
    }
    auto proof = std::make_unique<CProofJob>(device, title, copies, device.Resolution());
    proof->SetOutputFile(outputFile);
    return proof;
}
