#include "CPrintSetupRules.h"

#include "output/CPreviewPicture.h"

#include <algorithm>
#include <cmath>

namespace {

int IndexOf(const std::vector<CCupsPpd::PaperSize>& sizes, const QString& name)
{
    const auto found = std::find_if(sizes.begin(), sizes.end(), [&](const CCupsPpd::PaperSize& size) {
        return size.name == name;
    });
    return found == sizes.end() ? -1 : int(found - sizes.begin());
}

} // namespace

CPrintSetupRules::CPrintSetupRules(std::vector<CCupsQueueList::Queue> queues, const QString& current)
    : m_queues(std::move(queues))
{
    const auto rowWhere = [this](auto predicate) {
        const auto found = std::find_if(m_queues.begin(), m_queues.end(), predicate);
        return found == m_queues.end() ? -1 : int(found - m_queues.begin());
    };
    if (!current.isEmpty())
        m_nRow = rowWhere([&](const CCupsQueueList::Queue& queue) { return queue.name == current; });
    if (m_nRow < 0)
        m_nRow = rowWhere([](const CCupsQueueList::Queue& queue) { return queue.isDefault; });
    if (m_nRow < 0 && !m_queues.empty())
        m_nRow = 0;
}

void CPrintSetupRules::SelectRow(int row)
{
    if (row >= 0 && row < int(m_queues.size()))
        m_nRow = row;
}

const CCupsQueueList::Queue* CPrintSetupRules::Selected() const
{
    return m_nRow >= 0 ? &m_queues[size_t(m_nRow)] : nullptr;
}

bool CPrintSetupRules::HasProperties() const
{
    const CCupsQueueList::Queue* queue = Selected();
    return queue && queue->isEngraver;
}

const CPrintSetupRules::PaperState* CPrintSetupRules::SelectedPapers() const
{
    const CCupsQueueList::Queue* queue = Selected();
    if (!queue)
        return nullptr;
    const auto found = m_papers.find(queue->name);
    return found == m_papers.end() ? nullptr : &found->second;
}

bool CPrintSetupRules::HasPapers() const
{
    return SelectedPapers() != nullptr;
}

// A paper chosen earlier that the queue no longer offers is not in effect:
// the queue's default is.
void CPrintSetupRules::SetPapers(std::vector<CCupsPpd::PaperSize> sizes, const QString& chosen, const QString& ppdDefault)
{
    const CCupsQueueList::Queue* queue = Selected();
    if (!queue)
        return;
    PaperState state;
    state.sizes = std::move(sizes);
    state.inEffect = IndexOf(state.sizes, chosen);
    if (state.inEffect < 0)
        state.inEffect = IndexOf(state.sizes, ppdDefault);
    if (state.inEffect < 0 && !state.sizes.empty())
        state.inEffect = 0;
    state.index = state.inEffect;
    m_papers[queue->name] = std::move(state);
}

const std::vector<CCupsPpd::PaperSize>& CPrintSetupRules::Papers() const
{
    static const std::vector<CCupsPpd::PaperSize> none;
    const PaperState* state = SelectedPapers();
    return state ? state->sizes : none;
}

int CPrintSetupRules::PaperIndex() const
{
    const PaperState* state = SelectedPapers();
    return state ? state->index : -1;
}

void CPrintSetupRules::SelectPaper(int index)
{
    const CCupsQueueList::Queue* queue = Selected();
    if (!queue || !HasPapers())
        return;
    PaperState& state = m_papers[queue->name];
    if (index >= 0 && index < int(state.sizes.size()))
        state.index = index;
}

std::optional<QString> CPrintSetupRules::PaperToStore() const
{
    const PaperState* state = SelectedPapers();
    if (!state || state->index < 0 || state->index == state->inEffect)
        return std::nullopt;
    return state->sizes[size_t(state->index)].name;
}

void CPrintSetupRules::SetAdjustments(const CEngraverAdjustments& adjustments)
{
    if (HasProperties())
        m_adjustments[Selected()->name] = adjustments.Clamped();
}

std::optional<CEngraverAdjustments> CPrintSetupRules::ConfirmedAdjustments() const
{
    if (!HasProperties())
        return std::nullopt;
    const auto found = m_adjustments.find(Selected()->name);
    return found == m_adjustments.end() ? std::nullopt : std::optional<CEngraverAdjustments>(found->second);
}

void CPrintSetupRules::SetCopies(int copies)
{
    m_nCopies = std::clamp(copies, minimumCopies, maximumCopies);
}

QString CPrintSetupRules::StateText(const CCupsQueueList::Queue& queue)
{
    QString text;
    switch (queue.state) {
    case CCupsQueueList::idle: text = tr("Ready"); break;
    case CCupsQueueList::processing: text = tr("Printing"); break;
    case CCupsQueueList::stopped: text = tr("Stopped"); break;
    default: text = tr("Unknown"); break;
    }
    if (!queue.acceptingJobs)
        text = tr("%1, not accepting jobs").arg(text);
    if (!queue.stateMessage.isEmpty())
        text = tr("%1: %2").arg(text, queue.stateMessage);
    return text;
}

double CPrintSetupRules::ShownGamma(int code)
{
    return std::round(CPreviewPicture::GammaFromCode(code) * 100.0) / 100.0;
}

// A code finer than the hundredths shown (-505 from a layout) stays as it
// was while its gamma is not touched.
int CPrintSetupRules::GammaCode(double shown, int previousCode)
{
    if (std::lround(shown * 100.0) == std::lround(ShownGamma(previousCode) * 100.0))
        return previousCode;
    return CPreviewPicture::CodeFromGamma(shown);
}
