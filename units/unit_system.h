// Which unit system and which language the unit lists follow.
//
// Both are asked afresh on every call, so the lists follow changes of the job
// settings and of the product language at once.
#pragma once

// Nonzero when the current work is metric: the units service's answer, and
// metric when no units service is published.
int IsMetric();

// Nonzero when the product runs in Russian: the language test is on only
// while the service "KOVT_ZEM" is published, and then the product language
// must be "ru-RU".
int IsRussian();
