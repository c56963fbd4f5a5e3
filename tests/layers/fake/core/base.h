#pragma once
int Base();
