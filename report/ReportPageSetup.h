#pragma once

#include <QMarginsF>
#include <QPageLayout>

struct PreparedPage;

// The paper of a prepared page: Letter for paper code 1, else its stored size.
QPageLayout pageLayoutOf(const PreparedPage& page, const QMarginsF& margins);
