#pragma once

#include "output/CCupsPpd.h"
#include "output/CCupsQueueList.h"
#include "platform/CEngraverAdjustments.h"

#include <QCoreApplication>
#include <QString>

#include <map>
#include <optional>
#include <vector>

// What the printer dialog decides, apart from its widgets: which queue is
// chosen, which paper for it, whether the engraver's properties apply, what
// the user confirmed there, and the number of copies.
class CPrintSetupRules
{
    Q_DECLARE_TR_FUNCTIONS(CPrintSetupRules)

public:
    static constexpr int minimumCopies = 1;
    static constexpr int maximumCopies = 999;
    static constexpr double minimumGamma = 0.1;
    static constexpr double maximumGamma = 9.99;
    static constexpr int gammaDecimals = 2;

    // Opens on current when the list has it, else on the default queue,
    // else on the first.
    CPrintSetupRules(std::vector<CCupsQueueList::Queue> queues, const QString& current);

    const std::vector<CCupsQueueList::Queue>& Queues() const { return m_queues; }
    int Row() const { return m_nRow; }
    void SelectRow(int row);
    // Null when no queue is chosen (there is none).
    const CCupsQueueList::Queue* Selected() const;
    bool CanAccept() const { return Selected() != nullptr; }
    // Only the engraver's driver has properties of ours to set.
    bool HasProperties() const;

    // The chosen queue's papers, handed over once per queue: chosen is the
    // user's earlier choice, ppdDefault the queue's own.
    bool HasPapers() const;
    void SetPapers(std::vector<CCupsPpd::PaperSize> sizes, const QString& chosen, const QString& ppdDefault);
    const std::vector<CCupsPpd::PaperSize>& Papers() const;
    int PaperIndex() const;
    void SelectPaper(int index);
    // The paper to keep for the chosen queue; none when the choice is what
    // applied already, so that a queue still following its default keeps
    // following it.
    std::optional<QString> PaperToStore() const;

    // Adjustments confirmed in the properties; only those of the chosen
    // queue are stored.
    void SetAdjustments(const CEngraverAdjustments& adjustments);
    std::optional<CEngraverAdjustments> ConfirmedAdjustments() const;

    int Copies() const { return m_nCopies; }
    void SetCopies(int copies);

    static QString StateText(const CCupsQueueList::Queue& queue);
    // Gamma as the properties show it, to two decimals (0.5 for -500), and
    // back; a value shown unchanged gives back the code it came from, so
    // that a code finer than two decimals survives a look at it.
    static double ShownGamma(int code);
    static int GammaCode(double shown, int previousCode);

private:
    struct PaperState
    {
        std::vector<CCupsPpd::PaperSize> sizes;
        int index = -1;
        int inEffect = -1;
    };
    const PaperState* SelectedPapers() const;

    std::vector<CCupsQueueList::Queue> m_queues;
    int m_nRow = -1;
    std::map<QString, PaperState> m_papers;
    std::map<QString, CEngraverAdjustments> m_adjustments;
    int m_nCopies = minimumCopies;
};
