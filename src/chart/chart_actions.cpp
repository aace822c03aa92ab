#include "chart/chart_actions.h"

#include "session/app_context.h"
#include "session/learner_session.h"

namespace quillan {

void DeleteLineRepetition(AppContext& context, ChartTree& tree, ChartNode& node) {
    if (!node.selectable) return;
    const CW_Info& record = context.learner.results.records.at(node.recordIndex - 1);
    RemoveRepetition(context.learner.repetitions, record.Id, record.Kind, record.Key);
    tree.Remove(node);
    SaveRepetitions(context);
}

void DeleteAllRepetitions(AppContext& context) {
    ClearRepetitions(context.learner.repetitions);
    SaveRepetitions(context);
}

}  // namespace quillan
